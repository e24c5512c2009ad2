#include "policy.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

namespace kordavel {

PolicyRead parsePolicyFile(const QByteArray &json, const QString &origin)
{
    PolicyRead read;
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        read.problems.append(
            QStringLiteral("%1 is not a JSON object of policy values; none of it is used.")
                .arg(origin));
        return read;
    }
    const QJsonObject object = document.object();
    for (auto member = object.begin(); member != object.end(); ++member) {
        PolicyValue value;
        value.name = member.key();
        value.origin = origin;
        const QJsonValue v = member.value();
        if (v.isString()) {
            value.kind = PolicyValue::Kind::Text;
            value.text = v.toString();
        } else if (v.isBool()) {
            value.kind = PolicyValue::Kind::TrueOrFalse;
            value.truth = v.toBool();
        }
        // Numbers, lists and objects are no policy file's kind of value.
        read.values.push_back(value);
    }
    return read;
}

} // namespace kordavel
