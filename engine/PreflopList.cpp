#include "engine/PreflopList.h"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <string>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "engine/SplitString.h"

namespace poker {

namespace {

constexpr int kListLength = 169;

// Closes the file on every way out of load169.
class FileHandle {
public:
    explicit FileHandle(int fd) : fd_(fd) {}
    ~FileHandle() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    int fd() const { return fd_; }

private:
    int fd_;
};

std::string describe(int error) {
    switch (error) {
        case ENOENT: return "File not found";
        case ENOTDIR: return "Path not found";
        case EACCES:
        case EPERM: return "Permission denied";
        case EISDIR: return "Path is a folder";
        case EIO: return "Read error";
        case ENAMETOOLONG: return "File name too long";
        case ELOOP: return "Too many symbolic links";
        case EMFILE:
        case ENFILE: return "Too many files open";
        case ENOMEM: return "Out of memory";
        default: return std::strerror(error);
    }
}

// The whole file, or the description of why it could not be read.
bool readFile(const std::string& path, std::string& contents, std::string& failure) {
    // Non-blocking, so that a pipe in the file's place cannot hang the open;
    // anything but a regular file is refused before a byte is read.
    FileHandle file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.fd() < 0) {
        failure = describe(errno);
        return false;
    }
    struct stat info {};
    if (::fstat(file.fd(), &info) != 0) {
        failure = describe(errno);
        return false;
    }
    if (S_ISDIR(info.st_mode)) {
        failure = "Path is a folder";
        return false;
    }
    if (!S_ISREG(info.st_mode)) {
        failure = "Not a regular file";
        return false;
    }
    if (static_cast<unsigned long long>(info.st_size) > kMax169FileSize) {
        failure = "File too large";
        return false;
    }
    char chunk[64 * 1024];
    for (;;) {
        const ssize_t got = ::read(file.fd(), chunk, sizeof chunk);
        if (got == 0) break;
        if (got < 0) {
            if (errno == EINTR) continue;
            failure = errno == EISDIR ? "Path is a folder" : "Read error";
            return false;
        }
        // The file may have grown since it was measured.
        if (contents.size() + static_cast<std::size_t>(got) > kMax169FileSize) {
            failure = "File too large";
            return false;
        }
        contents.append(chunk, static_cast<std::size_t>(got));
    }
    return true;
}

// Every line end (CR LF, a lone LF or a lone CR) becomes one carriage
// return, and the last line gets one too.
std::string linesEndingInCr(const std::string& contents) {
    std::string buffer;
    buffer.reserve(contents.size() + 1);
    for (std::size_t i = 0; i < contents.size(); ++i) {
        const char c = contents[i];
        if (c == '\r') {
            buffer.push_back('\r');
            if (i + 1 < contents.size() && contents[i + 1] == '\n') ++i;
        } else if (c == '\n') {
            buffer.push_back('\r');
        } else {
            buffer.push_back(c);
        }
    }
    if (!buffer.empty() && buffer.back() != '\r') buffer.push_back('\r');
    return buffer;
}

// The rank as a decimal number, with letters for the ace, ten and faces.
std::string rankText(std::int16_t rank) {
    switch (rank) {
        case 1: return "A";
        case 10: return "T";
        case 11: return "J";
        case 12: return "Q";
        case 13: return "K";
        default: return std::to_string(rank);
    }
}

std::int16_t lookUp(const KeyedCollection& preflopList, std::string hand, bool suited) {
    for (char& c : hand) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    std::string plain2;
    if (hand.size() >= 2) plain2.push_back(hand[1]);
    if (!hand.empty()) plain2.push_back(hand[0]);
    const std::string& plain1 = hand;
    const std::string suited1 = plain1 + "s";
    const std::string suited2 = plain2 + "s";

    std::int16_t plainValue = 0;
    std::int16_t suitedValue = 0;
    bool plainSet = false;
    bool suitedSet = false;
    for (int i = 1; i <= kListLength; ++i) {
        // A list shorter than 169 codes rates every hand 0.
        const auto code = preflopList.item(static_cast<std::size_t>(i));
        if (!code) return 0;
        // No early stop: a later position of the same code wins.
        if (*code == plain1 || *code == plain2) {
            plainValue = PositionValue(i);
            plainSet = true;
        }
        if (*code == suited1 || *code == suited2) {
            suitedValue = PositionValue(i);
            suitedSet = true;
        }
    }
    // The other value never stands in for a missing one.
    if (suited) return suitedSet ? suitedValue : 0;
    return plainSet ? plainValue : 0;
}

}  // namespace

void load169(KeyedCollection& preflopList, const std::string& programFolder,
             const ErrorReporter& report) {
    preflopList.clear();
    std::string contents;
    std::string failure;
    bool ok = false;
    try {
        ok = readFile(programFolder + "/169.txt", contents, failure);
    } catch (const std::bad_alloc&) {
        failure = "Out of memory";
    }
    if (!ok) {
        preflopList.clear();
        if (report) report("error in load169 -" + failure);
        return;
    }
    const std::string buffer = linesEndingInCr(contents);
    contents.clear();
    SplitString(preflopList, buffer, ",\r", splitAnyChar | delimDrop);
}

std::int16_t PositionValue(int position) {
    const float quotient = static_cast<float>(170 - position) / 169.0f * 100.0f;
    return static_cast<std::int16_t>(std::floor(quotient));
}

std::int16_t PreflopValue(const KeyedCollection& preflopList, std::string hand, bool suited) {
    try {
        return lookUp(preflopList, std::move(hand), suited);
    } catch (...) {
        return 0;
    }
}

std::int16_t PocketHandValue(const KeyedCollection& preflopList, const Hand& cards) {
    try {
        const std::string key = rankText(cards[0].rank) + rankText(cards[1].rank);
        return PreflopValue(preflopList, key, cards[0].suit == cards[1].suit);
    } catch (...) {
        return 0;
    }
}

}  // namespace poker
