// A device served from memory through FUSE whose calls can be made to hang,
// as those of a medium that stops answering do: KORDAVEL/CARD/, UPDATES/ and
// UPDATES/kordvers.ion (its bytes from a file), and any file the program
// writes into UPDATES/.
//
//   kordavel-stallfs MOUNTPOINT --version-file=FILE --log=FILE
//                    [--stall-switch=FILE] [--hold=SECONDS] [FUSE options]
//
// While the file named by --stall-switch exists, every open, read, readdir,
// opendir and getattr holds before it answers: for as many seconds as the
// switch file says (a decimal number), or --hold seconds (10 when not given)
// when it says none. Removing the switch, or the caller being interrupted
// (killed), ends a hold at once: a process that exits while a call holds is
// not kept alive by it, as it would not be by a network file system's calls.
//
// Every call appends one line to the log:
//   op=getattr path=/UPDATES tid=4711 pid=4700 held=3.002
// tid is the calling thread's id (the kernel's), pid its process's (the
// thread group's, -1 when it is gone); held says how long it was held, with
// " interrupted" after it when its caller gave up. A call that begins to hold
// also appends "holding op=... path=... tid=... pid=..." at once, so that a
// watcher sees which calls hang now.
#define FUSE_USE_VERSION 31

#include <fuse.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

struct Options
{
    char *versionFile = nullptr;
    char *log = nullptr;
    char *stallSwitch = nullptr;
    double holdSeconds = 10;
};

const fuse_opt optionSpecs[] = {
    {"--version-file=%s", offsetof(Options, versionFile), 0},
    {"--log=%s", offsetof(Options, log), 0},
    {"--stall-switch=%s", offsetof(Options, stallSwitch), 0},
    {"--hold=%lf", offsetof(Options, holdSeconds), 0},
    FUSE_OPT_END,
};

Options options;
FILE *logFile = nullptr;
std::mutex logMutex;

struct Entry
{
    std::string data;
    mode_t mode = 0644;
    timespec modified{};
};

const std::string updatesFolder = "/UPDATES";
const std::set<std::string> folders{"/", "/KORDAVEL", "/KORDAVEL/CARD", updatesFolder};
std::mutex treeMutex;
std::map<std::string, Entry> filesInUpdates; // by name
timespec mountedAt{};

timespec now()
{
    timespec t{};
    ::clock_gettime(CLOCK_REALTIME, &t);
    return t;
}

// The process a thread belongs to, from /proc: the id FUSE hands over is the
// thread's own.
long processOfThread(pid_t thread)
{
    const std::string path = "/proc/" + std::to_string(thread) + "/status";
    FILE *status = std::fopen(path.c_str(), "re");
    if (!status)
        return -1;
    long process = -1;
    char line[256];
    while (std::fgets(line, sizeof line, status)) {
        if (std::strncmp(line, "Tgid:", 5) == 0) {
            process = std::strtol(line + 5, nullptr, 10);
            break;
        }
    }
    std::fclose(status);
    return process;
}

void logLine(const std::string &line)
{
    const std::lock_guard lock(logMutex);
    std::fputs(line.c_str(), logFile);
    std::fputc('\n', logFile);
    std::fflush(logFile);
}

bool stallSwitchOn()
{
    return options.stallSwitch && ::access(options.stallSwitch, F_OK) == 0;
}

// How long a call holds now: what the switch says, else --hold.
double holdSeconds()
{
    double seconds = options.holdSeconds;
    if (FILE *in = std::fopen(options.stallSwitch, "re")) {
        double said = 0;
        if (std::fscanf(in, "%lf", &said) == 1 && said >= 0)
            seconds = said;
        std::fclose(in);
    }
    return seconds;
}

// One call as the log sees it: holds first when it is one that stalls and the
// switch is on, and writes its line when it answers.
class Call
{
public:
    Call(const char *operation, const char *path, bool stalls)
        : m_operation(operation), m_path(path), m_thread(fuse_get_context()->pid),
          m_process(processOfThread(m_thread))
    {
        if (stalls && stallSwitchOn())
            hold();
    }
    ~Call()
    {
        char held[64];
        std::snprintf(held, sizeof held, "%.3f", m_held);
        logLine(who() + " held=" + held + (m_interrupted ? " interrupted" : ""));
    }
    Call(const Call &) = delete;
    Call &operator=(const Call &) = delete;

    bool interrupted() const { return m_interrupted; }

private:
    std::string who() const
    {
        return "op=" + m_operation + " path=" + m_path + " tid=" + std::to_string(m_thread) +
               " pid=" + std::to_string(m_process);
    }

    void hold()
    {
        using Clock = std::chrono::steady_clock;
        logLine("holding " + who());
        const Clock::time_point start = Clock::now();
        const auto limit = std::chrono::duration<double>(holdSeconds());
        while (Clock::now() - start < limit && stallSwitchOn()) {
            if (fuse_interrupted()) {
                m_interrupted = true;
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        m_held = std::chrono::duration<double>(Clock::now() - start).count();
    }

    std::string m_operation;
    std::string m_path;
    pid_t m_thread;
    long m_process;
    double m_held = 0;
    bool m_interrupted = false;
};

// The name of a file directly in UPDATES/, or empty.
std::string nameInUpdates(const char *path)
{
    const std::string p(path);
    const std::string prefix = updatesFolder + "/";
    if (p.size() <= prefix.size() || p.compare(0, prefix.size(), prefix) != 0)
        return {};
    const std::string name = p.substr(prefix.size());
    return name.find('/') == std::string::npos ? name : std::string();
}

void folderAttributes(struct stat *st)
{
    st->st_mode = S_IFDIR | 0755;
    st->st_nlink = 2;
    st->st_uid = ::getuid();
    st->st_gid = ::getgid();
    st->st_mtim = st->st_ctim = st->st_atim = mountedAt;
}

int getattrOp(const char *path, struct stat *st, fuse_file_info *)
{
    const Call call("getattr", path, true);
    if (call.interrupted())
        return -EINTR;
    *st = {};
    if (folders.count(path)) {
        folderAttributes(st);
        return 0;
    }
    const std::lock_guard lock(treeMutex);
    const auto file = filesInUpdates.find(nameInUpdates(path));
    if (file == filesInUpdates.end())
        return -ENOENT;
    st->st_mode = S_IFREG | file->second.mode;
    st->st_nlink = 1;
    st->st_size = off_t(file->second.data.size());
    st->st_blocks = (st->st_size + 511) / 512;
    st->st_uid = ::getuid();
    st->st_gid = ::getgid();
    st->st_mtim = st->st_ctim = st->st_atim = file->second.modified;
    return 0;
}

int opendirOp(const char *path, fuse_file_info *)
{
    const Call call("opendir", path, true);
    if (call.interrupted())
        return -EINTR;
    return folders.count(path) ? 0 : -ENOTDIR;
}

int readdirOp(const char *path, void *buffer, fuse_fill_dir_t fill, off_t, fuse_file_info *,
              fuse_readdir_flags)
{
    const Call call("readdir", path, true);
    if (call.interrupted())
        return -EINTR;
    if (!folders.count(path))
        return -ENOTDIR;
    const auto add = [&](const std::string &name) {
        fill(buffer, name.c_str(), nullptr, 0, fuse_fill_dir_flags(0));
    };
    add(".");
    add("..");
    const std::string folder(path);
    if (folder == "/") {
        add("KORDAVEL");
        add("UPDATES");
    } else if (folder == "/KORDAVEL") {
        add("CARD");
    } else if (folder == updatesFolder) {
        const std::lock_guard lock(treeMutex);
        for (const auto &file : filesInUpdates)
            add(file.first);
    }
    return 0;
}

int openOp(const char *path, fuse_file_info *fi)
{
    const Call call("open", path, true);
    if (call.interrupted())
        return -EINTR;
    const std::lock_guard lock(treeMutex);
    const auto file = filesInUpdates.find(nameInUpdates(path));
    if (file == filesInUpdates.end())
        return folders.count(path) ? -EISDIR : -ENOENT;
    if (fi->flags & O_TRUNC) {
        file->second.data.clear();
        file->second.modified = now();
    }
    return 0;
}

int readOp(const char *path, char *buffer, size_t size, off_t offset, fuse_file_info *)
{
    const Call call("read", path, true);
    if (call.interrupted())
        return -EINTR;
    const std::lock_guard lock(treeMutex);
    const auto file = filesInUpdates.find(nameInUpdates(path));
    if (file == filesInUpdates.end())
        return -ENOENT;
    const std::string &data = file->second.data;
    if (offset >= off_t(data.size()))
        return 0;
    const size_t count = std::min(size, data.size() - size_t(offset));
    std::copy_n(data.data() + offset, count, buffer);
    return int(count);
}

int createOp(const char *path, mode_t mode, fuse_file_info *)
{
    const Call call("create", path, false);
    const std::string name = nameInUpdates(path);
    if (name.empty())
        return -EACCES;
    const std::lock_guard lock(treeMutex);
    Entry &file = filesInUpdates[name];
    file.data.clear();
    file.mode = mode & 07777;
    file.modified = now();
    return 0;
}

int writeOp(const char *path, const char *buffer, size_t size, off_t offset, fuse_file_info *)
{
    const Call call("write", path, false);
    const std::lock_guard lock(treeMutex);
    const auto file = filesInUpdates.find(nameInUpdates(path));
    if (file == filesInUpdates.end())
        return -ENOENT;
    std::string &data = file->second.data;
    if (data.size() < size_t(offset) + size)
        data.resize(size_t(offset) + size);
    std::memcpy(data.data() + offset, buffer, size);
    file->second.modified = now();
    return int(size);
}

int truncateOp(const char *path, off_t size, fuse_file_info *)
{
    const Call call("truncate", path, false);
    const std::lock_guard lock(treeMutex);
    const auto file = filesInUpdates.find(nameInUpdates(path));
    if (file == filesInUpdates.end())
        return -ENOENT;
    file->second.data.resize(size_t(size));
    file->second.modified = now();
    return 0;
}

int unlinkOp(const char *path)
{
    const Call call("unlink", path, false);
    const std::lock_guard lock(treeMutex);
    return filesInUpdates.erase(nameInUpdates(path)) ? 0 : -ENOENT;
}

int renameOp(const char *from, const char *to, unsigned int flags)
{
    const Call call("rename", (std::string(from) + "->" + to).c_str(), false);
    const std::string oldName = nameInUpdates(from);
    const std::string newName = nameInUpdates(to);
    if (oldName.empty() || newName.empty())
        return -EXDEV;
    if (flags & RENAME_EXCHANGE)
        return -EINVAL;
    const std::lock_guard lock(treeMutex);
    const auto file = filesInUpdates.find(oldName);
    if (file == filesInUpdates.end())
        return -ENOENT;
    if ((flags & RENAME_NOREPLACE) && filesInUpdates.count(newName))
        return -EEXIST;
    if (oldName == newName)
        return 0;
    Entry moved = file->second;
    filesInUpdates.erase(file);
    filesInUpdates[newName] = moved;
    return 0;
}

int chmodOp(const char *path, mode_t mode, fuse_file_info *)
{
    const Call call("chmod", path, false);
    if (folders.count(path))
        return 0;
    const std::lock_guard lock(treeMutex);
    const auto file = filesInUpdates.find(nameInUpdates(path));
    if (file == filesInUpdates.end())
        return -ENOENT;
    file->second.mode = mode & 07777;
    return 0;
}

int utimensOp(const char *path, const timespec *, fuse_file_info *)
{
    const Call call("utimens", path, false);
    return 0;
}

// The medium keeps nothing back: flushing a file or a folder has nothing to do.
int fsyncOp(const char *path, int, fuse_file_info *)
{
    const Call call("fsync", path, false);
    return 0;
}

int fsyncdirOp(const char *path, int, fuse_file_info *)
{
    const Call call("fsyncdir", path, false);
    return 0;
}

int statfsOp(const char *path, struct statvfs *st)
{
    const Call call("statfs", path, false);
    *st = {};
    st->f_bsize = st->f_frsize = 4096;
    st->f_blocks = 1 << 18; // a medium of 1 GiB, nearly empty
    st->f_bfree = st->f_bavail = st->f_blocks - 16;
    st->f_files = st->f_ffree = st->f_favail = 1000;
    st->f_namemax = 255;
    return 0;
}

void *initOp(fuse_conn_info *, fuse_config *config)
{
    // The kernel keeps no names, attributes or contents (no page cache): every
    // call the program makes reaches the file system, and so may hold.
    config->entry_timeout = 0;
    config->negative_timeout = 0;
    config->attr_timeout = 0;
    config->direct_io = 1;
    return nullptr;
}

bool loadVersionFile(const char *path)
{
    FILE *in = std::fopen(path, "rbe");
    if (!in)
        return false;
    Entry version;
    char chunk[4096];
    size_t n = 0;
    while ((n = std::fread(chunk, 1, sizeof chunk, in)) > 0)
        version.data.append(chunk, n);
    const bool ok = !std::ferror(in);
    std::fclose(in);
    version.modified = mountedAt;
    filesInUpdates["kordvers.ion"] = version;
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    fuse_args args = FUSE_ARGS_INIT(argc, argv);
    if (fuse_opt_parse(&args, &options, optionSpecs, nullptr) != 0)
        return 2;
    if (!options.versionFile || !options.log || options.holdSeconds < 0) {
        std::fprintf(stderr,
                     "usage: %s MOUNTPOINT --version-file=FILE --log=FILE "
                     "[--stall-switch=FILE] [--hold=SECONDS] [FUSE options]\n",
                     argv[0]);
        return 2;
    }
    mountedAt = now();
    if (!loadVersionFile(options.versionFile)) {
        std::fprintf(stderr, "cannot read %s: %s\n", options.versionFile, std::strerror(errno));
        return 1;
    }
    logFile = std::fopen(options.log, "ae");
    if (!logFile) {
        std::fprintf(stderr, "cannot open %s: %s\n", options.log, std::strerror(errno));
        return 1;
    }

    fuse_operations operations{};
    operations.getattr = getattrOp;
    operations.opendir = opendirOp;
    operations.readdir = readdirOp;
    operations.open = openOp;
    operations.read = readOp;
    operations.create = createOp;
    operations.write = writeOp;
    operations.truncate = truncateOp;
    operations.unlink = unlinkOp;
    operations.rename = renameOp;
    operations.chmod = chmodOp;
    operations.utimens = utimensOp;
    operations.fsync = fsyncOp;
    operations.fsyncdir = fsyncdirOp;
    operations.statfs = statfsOp;
    operations.init = initOp;
    const int status = fuse_main(args.argc, args.argv, &operations, nullptr);
    fuse_opt_free_args(&args);
    return status;
}
