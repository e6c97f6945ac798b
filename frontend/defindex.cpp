#include "defindex.h"

#include <sys/stat.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/deffile.h"
#include "core/output.h"

namespace {
struct Identity {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = -1;
    long long mtime = -1;  // nanoseconds
    long long ctime = -1;  // a rewrite that keeps size and modification time still changes this

    bool operator==(const Identity&) const = default;
};

Identity identityof(const char* path) {
    struct stat info;
    Identity id;
    if (stat(path, &info) != 0) return id;
    id.device = info.st_dev;
    id.inode = info.st_ino;
    id.size = info.st_size;
    id.mtime = info.st_mtim.tv_sec * 1000000000LL + info.st_mtim.tv_nsec;
    id.ctime = info.st_ctim.tv_sec * 1000000000LL + info.st_ctim.tv_nsec;
    return id;
}

// Names map to their first entry; the entries of one name are chained in file
// order, for words that hold '=' (they match an entry of the name before it
// whose definition begins with the rest).  The map is open addressing over
// 32-bit entry numbers, so that a file of 64 MiB costs little more than
// itself.
class DefIndex : public DefLookup {
public:
    DefIndex(const char* path, const Identity& id) : identity(id), file(path) {
        if (file.status() == DefFile::Status::TOO_LARGE) errors << DefFile::toolarge(path);
        const auto& entries = file.entries();
        later.assign(entries.size(), NONE);
        std::size_t size = 16;
        while (size < 2 * entries.size()) size *= 2;
        slots.assign(size, EMPTY);
        for (std::size_t k = entries.size(); k-- > 0;) {
            std::string_view name = nameof(k);
            if (name.size() == entries[k].size()) continue;  // no '='
            starts_.set(pairof(name));
            std::uint32_t& slot = slots[slotof(name)];
            if (slot != EMPTY) later[k] = slot;
            slot = static_cast<std::uint32_t>(k);
        }
    }

    bool find(std::string_view word, std::string_view& definition) const override {
        std::size_t key = word.empty() || word[0] == '=' ? 0 : word.size() > 1 && word[1] == '=' ? 1 : 2;
        if (!starts_.test(pairof(word.substr(0, key)))) return false;
        std::size_t equals = word.find('=');
        for (std::uint32_t k = slots[slotof(word.substr(0, equals))]; k != NONE; k = later[k]) {
            std::string_view entry = file.entries()[k];
            if (defines(entry, word)) {
                definition = entry.substr(word.size() + 1);
                return true;
            }
            if (equals == std::string_view::npos) break;  // the first entry of the name decides
        }
        return false;
    }

    const Identity identity;

private:
    static constexpr std::uint32_t NONE = ~std::uint32_t{0};
    static constexpr std::uint32_t EMPTY = NONE;

    std::string_view nameof(std::size_t k) const {
        std::string_view entry = file.entries()[k];
        return entry.substr(0, entry.find('='));
    }

    // The slot of name: the one that holds its first entry, or the empty one
    // where it would go.
    std::size_t slotof(std::string_view name) const {
        std::size_t mask = slots.size() - 1;
        for (std::size_t at = std::hash<std::string_view>{}(name)&mask;; at = (at + 1) & mask)
            if (slots[at] == EMPTY || nameof(slots[at]) == name) return at;
    }

    DefFile file;
    std::vector<std::uint32_t> slots;
    std::vector<std::uint32_t> later;
};

// The formula file, the user's units and the unit-macro file: three copies
// are enough.
struct Copy {
    std::string path;
    std::unique_ptr<DefIndex> index;
    long checked = 0;  // the input whose expressions last compared the file's identity
};
Copy copies[3];
int nextcopy = 0;
long input = 1;
}  // namespace

void newinput() { ++input; }

namespace {
std::string memorypath;
const DefinitionsInMemory* memory = nullptr;
}  // namespace

bool DefinitionsInMemory::add(const std::string& name, const std::string& definition) {
    if (!definitions_.emplace(name, name + "=" + definition).second) return false;
    starts_.set(pairof(name));
    return true;
}

// As a file's index finds, the entries kept whole ("km=..."), so that a word
// that holds '=' finds what it would in a file.
bool DefinitionsInMemory::find(std::string_view word, std::string_view& definition) const {
    auto found = definitions_.find(std::string(word.substr(0, word.find('='))));
    if (found == definitions_.end() || !defines(found->second, word)) return false;
    definition = std::string_view(found->second).substr(word.size() + 1);
    return true;
}

void keepinmemory(const char* path, const DefinitionsInMemory* store) {
    memorypath = store ? path : "";
    memory = store;
}

// The empty path names no file; it is the unit-macro file of a run without
// a unit-names file, asked for by every expression.
class NoDefinitions : public DefLookup {
public:
    bool find(std::string_view, std::string_view&) const override { return false; }
};

const DefLookup& definitions(const char* path) {
    static const NoDefinitions none;
    if (!path[0]) return none;
    if (memory && memorypath == path) return *memory;
    for (Copy& copy : copies)
        if (copy.index && copy.path == path) {
            if (copy.checked == input) return *copy.index;
            copy.checked = input;
            Identity id = identityof(path);
            if (!(copy.index->identity == id)) copy.index = std::make_unique<DefIndex>(path, id);
            return *copy.index;
        }
    Copy& copy = copies[nextcopy];
    nextcopy = (nextcopy + 1) % 3;
    copy.path = path;
    copy.checked = input;
    copy.index = std::make_unique<DefIndex>(path, identityof(path));
    return *copy.index;
}

void forgetdefinitions() {
    for (Copy& copy : copies) copy.index.reset();
}
