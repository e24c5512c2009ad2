// The organisation's policy: what the machine's store holds, which of it is
// in force, and what --policy says of it.
#include "app/language.h"
#include "app/policy.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <map>

#include <gtest/gtest.h>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

using namespace kordavel;

namespace {

PolicyValue policyValue(const char *name, PolicyValue::Kind kind, const QString &text = {},
                        qint64 number = 0, bool truth = false)
{
    return {QLatin1String(name), kind, text, number, truth, QStringLiteral("the test's store")};
}
PolicyValue policyText(const char *name, const QString &text)
{
    return policyValue(name, PolicyValue::Kind::Text, text);
}
PolicyValue policyNumber(const char *name, qint64 number)
{
    return policyValue(name, PolicyValue::Kind::Number, {}, number);
}

#ifdef Q_OS_WIN
const QString kPolicySharePath = QStringLiteral("\\\\depot-server\\fleet\\north.json");
#define kAbsolute "C:\\Fleet"
#else
const QString kPolicySharePath = QStringLiteral("/srv/fleet/north.json");
#define kAbsolute "/srv/fleet"
#endif

const QStringList kPolicyLanguages{"en", "de", "fr"};

} // namespace

TEST(Policy, WhatIsInForceAndWhatIsNamedAndIgnored)
{
    PolicyRead read;
    read.values = {policyText("FleetStandard", kPolicySharePath),
                   policyNumber("ApplyStandard", 1),
                   policyValue("lockstandard", PolicyValue::Kind::TrueOrFalse, {}, 0, false),
                   policyText("RecordFolder", QStringLiteral("records")),
                   policyText("Language", QStringLiteral("DE")),
                   policyText("Colour", QStringLiteral("red"))};
    read.problems = {QStringLiteral("a file that could not be read")};
    const MachinePolicy policy = policyInForce(read, kPolicyLanguages);
    ASSERT_TRUE(policy.fleetStandard);
    EXPECT_EQ(policy.fleetStandard->value, kPolicySharePath)
        << "a path that cannot be reached is not bad";
    EXPECT_EQ(policy.fleetStandard->origin, "the test's store");
    ASSERT_TRUE(policy.applyStandard && policy.lockStandard);
    EXPECT_TRUE(policy.applyStandard->value);
    EXPECT_FALSE(policy.lockStandard->value) << "names are matched ignoring case";
    EXPECT_FALSE(policy.recordFolder) << "a relative path is bad by its form";
    ASSERT_TRUE(policy.language);
    EXPECT_EQ(policy.language->value, "de");
    ASSERT_EQ(policy.problems.size(), 3) << policy.problems.join('\n').toStdString();
    EXPECT_EQ(policy.problems[0], "a file that could not be read");
    EXPECT_TRUE(policy.problems[1].startsWith("RecordFolder (the test's store) is not used"));
    EXPECT_TRUE(policy.problems[2].startsWith("Colour (the test's store) is not used"));

    // Values of the wrong type or out of their range: each named once, none in force.
    PolicyRead wrong;
    wrong.values = {
        policyNumber("FleetStandard", 1),      policyText("ApplyStandard", QStringLiteral("1")),
        policyNumber("LockStandard", 2),       policyText("Language", QStringLiteral("pt")),
        policyText("RecordFolder", QString()), policyNumber("Language", 1)};
    const MachinePolicy none = policyInForce(wrong, kPolicyLanguages);
    EXPECT_FALSE(none.fleetStandard || none.applyStandard || none.lockStandard ||
                 none.recordFolder || none.language);
    EXPECT_EQ(none.problems.size(), qsizetype(wrong.values.size()));
    EXPECT_TRUE(none.problems[3].contains("de, en, fr")) << none.problems[3].toStdString();
}

TEST(Policy, TheReportNamesEachValueWithWhereItWasSet)
{
    EXPECT_EQ(policyReport(policyInForce({}, kPolicyLanguages)),
              "No policy is set for this program.\n");
    PolicyRead read;
    read.values = {policyText("Language", QStringLiteral("fr")), policyNumber("LockStandard", 1),
                   policyNumber("Size", 3), policyText("RecordFolder", QStringLiteral(kAbsolute))};
    const MachinePolicy lockAlone = policyInForce(read, kPolicyLanguages);
    EXPECT_EQ(policyReport(lockAlone),
              "Policy set:\n"
              "  RecordFolder = " kAbsolute "    (the test's store)\n"
              "  Language = fr    (the test's store)\n"
              "Not used:\n"
              "  Size (the test's store) is not used: the program has no such policy.\n"
              "  LockStandard (the test's store) is not used: it locks only a FleetStandard the "
              "policy sets, and none is set.\n");
    EXPECT_EQ(lockAlone.notUsed, QStringList({"Size", "LockStandard"}));
    read.values.push_back(policyText("FleetStandard", QStringLiteral(kAbsolute)));
    const MachinePolicy locked = policyInForce(read, kPolicyLanguages);
    EXPECT_TRUE(policyReport(locked).contains("  LockStandard = on    (the test's store)\n"));
    EXPECT_EQ(locked.notUsed, QStringList({"Size"}));
}

TEST(Policy, ThePolicysLanguageBeatsTheCommandLine)
{
    PolicyRead read;
    EXPECT_EQ(askedLanguage("fr", policyInForce(read, kPolicyLanguages)).code, "fr");
    read.values = {policyText("Language", QStringLiteral("de"))};
    const MachinePolicy policy = policyInForce(read, kPolicyLanguages);
    const AskedLanguage asked = askedLanguage("fr", policy);
    EXPECT_EQ(asked.code, "de");
    EXPECT_EQ(asked.overridden, "--lang fr is not used: your organisation's policy sets the "
                                "language to de (the test's store).");
    EXPECT_TRUE(askedLanguage(QString(), policy).overridden.isEmpty());
    EXPECT_TRUE(askedLanguage("DE", policy).overridden.isEmpty()) << "nothing was overridden";

    // A name given twice (a file may spell it in other cases): the first holds.
    read.values.push_back(policyText("LANGUAGE", QStringLiteral("fr")));
    const MachinePolicy twice = policyInForce(read, kPolicyLanguages);
    EXPECT_EQ(twice.language->value, "de");
    ASSERT_EQ(twice.problems.size(), 1);
    EXPECT_TRUE(twice.problems[0].startsWith("LANGUAGE (the test's store) is not used"));
}

TEST(Policy, APolicyFileAndPathsBadByTheirForm)
{
    const PolicyRead file = parsePolicyFile(
        R"({"Language": "de", "ApplyStandard": true, "LockStandard": 1, "RecordFolder": ["x"]})",
        QStringLiteral("/etc/xdg/kordavel-config/policies.json"));
    ASSERT_EQ(file.values.size(), 4u);
    EXPECT_TRUE(file.problems.isEmpty());
    std::map<QString, PolicyValue::Kind> kinds;
    for (const PolicyValue &v : file.values) {
        kinds[v.name] = v.kind;
        EXPECT_EQ(v.origin, "/etc/xdg/kordavel-config/policies.json");
    }
    EXPECT_EQ(kinds["Language"], PolicyValue::Kind::Text);
    EXPECT_EQ(kinds["ApplyStandard"], PolicyValue::Kind::TrueOrFalse);
    EXPECT_EQ(kinds["LockStandard"], PolicyValue::Kind::Other) << "a switch is true or false";
    EXPECT_EQ(kinds["RecordFolder"], PolicyValue::Kind::Other);
    for (const char *notAnObject : {"[1, 2]", "{\"Language\": ", ""}) {
        const PolicyRead bad = parsePolicyFile(notAnObject, QStringLiteral("policies.json"));
        EXPECT_TRUE(bad.values.empty());
        EXPECT_EQ(bad.problems.size(), 1) << notAnObject;
    }

#ifdef Q_OS_WIN
    for (const char *good : {"C:\\Fleet\\north.json", "d:/fleet", "\\\\server\\share\\x.json",
                             "\\\\?\\C:\\Fleet", "\\\\?\\UNC\\server\\share"})
        EXPECT_FALSE(pathFormProblem(QLatin1String(good))) << good;
    for (const char *bad : {"", "fleet\\north.json", "C:fleet", "C:\\a|b", "C:\\a:b", "\\x",
                            "\\\\server", "\\\\", " C:\\Fleet", "C:\\Fleet "})
        EXPECT_TRUE(pathFormProblem(QLatin1String(bad))) << bad;
#else
    for (const char *good : {"/srv/fleet/north.json", "/mnt/share/records/"})
        EXPECT_FALSE(pathFormProblem(QLatin1String(good))) << good;
    for (const char *bad : {"", "fleet/north.json", "~/fleet", "/srv/fleet ", " /srv/fleet"})
        EXPECT_TRUE(pathFormProblem(QLatin1String(bad))) << bad;
#endif
}

#ifdef Q_OS_WIN
namespace {
// Sets (or with no data, removes) a value under the policy key of a hive.
// Names the program does not know, so that no real policy is touched.
void setPolicy(HKEY hive, const wchar_t *name, DWORD type, const void *data, DWORD size)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(hive, L"SOFTWARE\\Policies\\Kordavel\\Configuration", 0, nullptr, 0,
                              KEY_SET_VALUE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    if (data)
        RegSetValueExW(key, name, 0, type, static_cast<const BYTE *>(data), size);
    else
        RegDeleteValueW(key, name);
    RegCloseKey(key);
}
void setText(HKEY hive, const wchar_t *name, const wchar_t *text, DWORD type = REG_SZ)
{
    // Stored without its NUL, as some tools store strings.
    setPolicy(hive, name, type, text, text ? DWORD(wcslen(text) * sizeof(wchar_t)) : 0);
}
} // namespace

TEST(Policy, TheMachineWinsOverTheUserValueByValue)
{
    const DWORD one = 1;
    SetEnvironmentVariableW(L"KORDAVEL_POLICY_TEST", L"fleet");
    ASSERT_NO_FATAL_FAILURE(setText(HKEY_LOCAL_MACHINE, L"TestShared", L"machine"));
    ASSERT_NO_FATAL_FAILURE(setText(HKEY_CURRENT_USER, L"TESTSHARED", L"user"));
    ASSERT_NO_FATAL_FAILURE(
        setText(HKEY_CURRENT_USER, L"TestExpanded", L"C:\\%KORDAVEL_POLICY_TEST%", REG_EXPAND_SZ));
    ASSERT_NO_FATAL_FAILURE(
        setPolicy(HKEY_LOCAL_MACHINE, L"TestSwitch", REG_DWORD, &one, sizeof one));
    const PolicyRead read = readMachinePolicy();
    setText(HKEY_LOCAL_MACHINE, L"TestShared", nullptr);
    setText(HKEY_CURRENT_USER, L"TESTSHARED", nullptr);
    setText(HKEY_CURRENT_USER, L"TestExpanded", nullptr);
    setText(HKEY_LOCAL_MACHINE, L"TestSwitch", nullptr);

    const QString machine = QStringLiteral("HKLM\\SOFTWARE\\Policies\\Kordavel\\Configuration");
    const QString user = QStringLiteral("HKCU\\SOFTWARE\\Policies\\Kordavel\\Configuration");
    std::map<QString, PolicyValue> byName;
    for (const PolicyValue &v : read.values)
        if (v.name.startsWith("Test", Qt::CaseInsensitive))
            byName[v.name.toLower()] = v;
    ASSERT_EQ(byName.size(), 3u) << "the user's TESTSHARED is not read: the machine's holds";
    EXPECT_EQ(byName["testshared"].text, "machine");
    EXPECT_EQ(byName["testshared"].origin, machine);
    EXPECT_EQ(byName["testexpanded"].text, "C:\\fleet");
    EXPECT_EQ(byName["testexpanded"].origin, user);
    EXPECT_EQ(byName["testswitch"].kind, PolicyValue::Kind::Number);
    EXPECT_EQ(byName["testswitch"].number, 1);
    EXPECT_TRUE(read.problems.isEmpty()) << read.problems.join('\n').toStdString();
}
#else
TEST(Policy, TheFirstConfigurationFolderThatHasTheFileHolds)
{
    QTemporaryDir dirs;
    auto write = [&](const QString &folder, const QByteArray &json) {
        ASSERT_TRUE(QDir().mkpath(dirs.filePath(folder + "/kordavel-config")));
        QFile f(dirs.filePath(folder + "/kordavel-config/policies.json"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(json);
    };
    write("second", R"({"Language": "de"})");
    write("third", R"({"Language": "fr"})");
    const QByteArray saved = qgetenv("XDG_CONFIG_DIRS");
    qputenv("XDG_CONFIG_DIRS", (dirs.filePath("first") + ":relative:" + dirs.filePath("second") +
                                ":" + dirs.filePath("third"))
                                   .toLocal8Bit());
    const PolicyRead read = readMachinePolicy();
    // A folder named like the file cannot be read: said once, nothing used.
    ASSERT_TRUE(QDir().mkpath(dirs.filePath("first/kordavel-config/policies.json")));
    const PolicyRead unreadable = readMachinePolicy();
    qputenv("XDG_CONFIG_DIRS", saved);

    ASSERT_EQ(read.values.size(), 1u);
    EXPECT_EQ(read.values[0].text, "de");
    EXPECT_EQ(read.values[0].origin, dirs.filePath("second/kordavel-config/policies.json"));
    EXPECT_TRUE(unreadable.values.empty());
    EXPECT_EQ(unreadable.problems.size(), 1);
}
#endif

namespace {

// What an administrative template file names: its root element and
// namespace, the strings and presentations it refers to or defines, the
// registry keys and value names it writes, and the values of its lists.
struct TemplateFile
{
    QString error; // empty when the file is well-formed XML
    QString root;
    QString rootNamespace;
    QMap<QString, QString> rootAttributes;
    QSet<QString> refersTo;   // "string.X" and "presentation.X" in $(...) references
    QSet<QString> defines;    // "string.X" and "presentation.X" an .adml defines, not empty
    QSet<QString> keys;       // key="..."
    QSet<QString> valueNames; // valueName="..."
    QStringList listValues;   // <string> in an <enum>'s <value>
    QMap<QString, QString> valueHolders; // value name -> the element that writes it
    QSet<QString> definedNames;          // categories and supportedOn definitions
    QSet<QString> namedRefs;             // parentCategory and supportedOn refs
    QSet<QString> elementIds;            // the ids of the .admx's elements
    QSet<QString> presentationRefs;      // refIds of an .adml's presentations
    QStringList switchValues;            // "enabledValue 1", "disabledValue 0", ...
    bool hasSupportedOn = false;
};

TemplateFile readTemplate(const QString &path)
{
    TemplateFile t;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        t.error = QStringLiteral("cannot open ") + path;
        return t;
    }
    QXmlStreamReader xml(&file);
    const QRegularExpression reference(QStringLiteral("\\$\\((string|presentation)\\.([^)]+)\\)"));
    QString inSwitch; // the enabledValue or disabledValue being read
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const QString name = xml.name().toString();
        if (t.root.isEmpty()) {
            t.root = name;
            t.rootNamespace = xml.namespaceUri().toString();
            for (const QXmlStreamAttribute &a : xml.attributes())
                t.rootAttributes.insert(a.name().toString(), a.value().toString());
        }
        for (const QXmlStreamAttribute &a : xml.attributes()) {
            for (const auto &m : reference.globalMatch(a.value().toString()))
                t.refersTo.insert(m.captured(1) + '.' + m.captured(2));
            if (a.name() == u"key")
                t.keys.insert(a.value().toString());
            if (a.name() == u"valueName") {
                t.valueNames.insert(a.value().toString());
                t.valueHolders.insert(a.value().toString(), name);
            }
        }
        const QXmlStreamAttributes attributes = xml.attributes();
        if (name == u"category" || name == u"definition")
            t.definedNames.insert(attributes.value(QStringLiteral("name")).toString());
        if ((name == u"parentCategory" || name == u"supportedOn") &&
            attributes.hasAttribute(QStringLiteral("ref")))
            t.namedRefs.insert(attributes.value(QStringLiteral("ref")).toString());
        if ((name == u"text" || name == u"enum") && attributes.hasAttribute(QStringLiteral("id")))
            t.elementIds.insert(attributes.value(QStringLiteral("id")).toString());
        if (attributes.hasAttribute(QStringLiteral("refId")))
            t.presentationRefs.insert(attributes.value(QStringLiteral("refId")).toString());
        if (name == u"enabledValue" || name == u"disabledValue")
            inSwitch = name;
        if (name == u"decimal")
            t.switchValues.append(inSwitch + ' ' +
                                  attributes.value(QStringLiteral("value")).toString());
        t.hasSupportedOn |= name == u"supportedOn";
        if (name == u"string" && xml.attributes().hasAttribute(QStringLiteral("id"))) {
            const QString id = xml.attributes().value(QStringLiteral("id")).toString();
            if (!xml.readElementText().trimmed().isEmpty())
                t.defines.insert(QStringLiteral("string.") + id);
        } else if (name == u"string") {
            t.listValues.append(xml.readElementText());
        } else if (name == u"presentation") {
            t.defines.insert(QStringLiteral("presentation.") +
                             xml.attributes().value(QStringLiteral("id")).toString());
        }
    }
    if (xml.hasError())
        t.error =
            QStringLiteral("%1:%2: %3").arg(path).arg(xml.lineNumber()).arg(xml.errorString());
    return t;
}

} // namespace

// The administrative templates Windows loads: well-formed, in Group Policy's
// namespace with the revision and support it needs, one .adml for each
// language the program speaks holding every text the .admx names, and only
// the registry key and value names the program reads, each of which it uses.
TEST(Policy, TheTemplatesNameWhatTheProgramReadsInEveryLanguage)
{
    const QString folder = QStringLiteral(KORDAVEL_DOCS_DIR "/../resources/windows/policy");
    const QString gpNamespace =
        QStringLiteral("http://schemas.microsoft.com/GroupPolicy/2006/07/PolicyDefinitions");
    const TemplateFile admx = readTemplate(folder + "/kordavel.admx");
    ASSERT_TRUE(admx.error.isEmpty()) << admx.error.toStdString();
    EXPECT_EQ(admx.root, "policyDefinitions");
    EXPECT_EQ(admx.rootNamespace, gpNamespace);
    EXPECT_TRUE(admx.rootAttributes.contains("revision") &&
                admx.rootAttributes.contains("schemaVersion"));
    EXPECT_TRUE(admx.hasSupportedOn);
    EXPECT_EQ(admx.keys, QSet<QString>({QLatin1String(kPolicyKey)}));
    for (const QString &ref : admx.namedRefs)
        EXPECT_TRUE(admx.definedNames.contains(ref)) << ref.toStdString();
    // Each value is written as the program reads it: paths as text, the
    // switches as REG_DWORD 1 and 0, the language from a list.
    const QMap<QString, QString> holders{{"FleetStandard", "text"},
                                         {"RecordFolder", "text"},
                                         {"ApplyStandard", "policy"},
                                         {"LockStandard", "policy"},
                                         {"Language", "enum"}};
    EXPECT_EQ(admx.valueHolders, holders);
    EXPECT_EQ(admx.switchValues, QStringList({"enabledValue 1", "disabledValue 0", "enabledValue 1",
                                              "disabledValue 0"}));

    // Every value the templates write is one the program takes, lists included.
    PolicyRead read;
    for (const QString &name : admx.valueNames) {
        const bool path = name == "FleetStandard" || name == "RecordFolder";
        read.values.push_back(name == "Language" ? policyText("Language", QStringLiteral("de"))
                              : path ? policyText(qPrintable(name), QStringLiteral(kAbsolute))
                                     : policyNumber(qPrintable(name), 1));
    }
    const MachinePolicy taken = policyInForce(read, supportedLanguages());
    EXPECT_TRUE(taken.notUsed.isEmpty()) << taken.notUsed.join(' ').toStdString();
    EXPECT_TRUE(taken.fleetStandard && taken.applyStandard && taken.lockStandard &&
                taken.recordFolder && taken.language)
        << "every value the program reads has its template";
    QStringList listed = admx.listValues;
    QStringList spoken = supportedLanguages();
    listed.sort();
    spoken.sort();
    EXPECT_EQ(listed, spoken) << "the language list offers what the program speaks";

    const QStringList cultures =
        QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    QStringList cultureLanguages;
    for (const QString &culture : cultures) {
        SCOPED_TRACE(culture.toStdString());
        cultureLanguages.append(culture.left(2));
        const TemplateFile adml = readTemplate(folder + '/' + culture + "/kordavel.adml");
        ASSERT_TRUE(adml.error.isEmpty()) << adml.error.toStdString();
        EXPECT_EQ(adml.root, "policyDefinitionResources");
        EXPECT_EQ(adml.rootNamespace, gpNamespace);
        for (const QString &ref : admx.refersTo)
            EXPECT_TRUE(adml.defines.contains(ref)) << ref.toStdString();
        EXPECT_EQ(adml.presentationRefs, admx.elementIds) << "each field has its label";
    }
    EXPECT_EQ(cultureLanguages, spoken) << "one .adml per language";
}
