#pragma once

#include <QString>
#include <cstdint>
#include <vector>

namespace rzv {

// Finds, among many keys, those that differ from a given key by at most two letters, without
// comparing it with every key. Each key is cut into three pieces; a key at most two letters
// away keeps one of the pieces unchanged, shifted by at most two places. The index holds each
// piece with its key's length, and a search looks up the pieces of the lengths within two at
// the shifted places; only the keys found so are compared letter by letter.
//
// Keys live in buckets (a birth year and gender, say): only keys of the same bucket are found.
class NearKeys {
public:
    static constexpr int kLimit = 2;

    // Adds a key; the number of keys added before is its index.
    void add(const QString& key, std::uint64_t bucket);
    // Makes the keys added so far searchable; called once after the last add.
    void build();

    struct Near {
        int index;
        int letters; // 0 to kLimit
    };
    // The keys of the bucket within kLimit letters, each once, in index order.
    std::vector<Near> near(const QString& key, std::uint64_t bucket) const;

    const QString& key(int index) const { return m_keys[static_cast<size_t>(index)]; }
    int size() const { return static_cast<int>(m_keys.size()); }

private:
    struct Piece {
        std::uint64_t hash;
        int index;
        bool operator<(const Piece& other) const {
            return hash < other.hash || (hash == other.hash && index < other.index);
        }
    };
    std::vector<QString> m_keys;
    std::vector<std::uint64_t> m_buckets; // checked again: pieces of two buckets may share a hash
    std::vector<Piece> m_pieces; // sorted by build()
    // Where the pieces whose hash starts with given top bits begin, so that a search looks
    // only at a few neighbouring pieces.
    std::vector<std::uint32_t> m_directory;
    int m_shift = 64;
};

} // namespace rzv
