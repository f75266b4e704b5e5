#include "identity/nearkeys.h"

#include "identity/spelling.h"

#include <algorithm>
#include <array>

namespace rzv {

namespace {

constexpr int kPieces = NearKeys::kLimit + 1;
constexpr std::uint64_t kBase = 0x100000001b3ULL;

// Where the pieces of a key of this length start, and how long each is.
struct Cut {
    std::array<qsizetype, kPieces> start;
    std::array<qsizetype, kPieces> length;
};

Cut cutOf(qsizetype length) {
    Cut cut{};
    const qsizetype shorter = length / kPieces;
    const qsizetype longer = kPieces - length % kPieces; // pieces before this one are shorter
    qsizetype at = 0;
    for (int p = 0; p < kPieces; ++p) {
        cut.start[static_cast<size_t>(p)] = at;
        cut.length[static_cast<size_t>(p)] = p < longer ? shorter : shorter + 1;
        at += cut.length[static_cast<size_t>(p)];
    }
    return cut;
}

// Hashes of every prefix, so that the hash of any piece costs two multiplications.
class PrefixHashes {
public:
    explicit PrefixHashes(const QString& key) : m_prefix(static_cast<size_t>(key.size() + 1)),
                                                m_power(static_cast<size_t>(key.size() + 1)) {
        m_prefix[0] = 0;
        m_power[0] = 1;
        for (qsizetype i = 0; i < key.size(); ++i) {
            const auto at = static_cast<size_t>(i);
            m_prefix[at + 1] = m_prefix[at] * kBase + key[i].unicode() + 1;
            m_power[at + 1] = m_power[at] * kBase;
        }
    }
    std::uint64_t of(qsizetype start, qsizetype length) const {
        const auto from = static_cast<size_t>(start);
        const auto to = static_cast<size_t>(start + length);
        return m_prefix[to] - m_prefix[from] * m_power[to - from];
    }

private:
    std::vector<std::uint64_t> m_prefix;
    std::vector<std::uint64_t> m_power;
};

std::uint64_t mix(std::uint64_t h, std::uint64_t value) {
    h ^= value + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2);
    return h * 0xff51afd7ed558ccdULL;
}

std::uint64_t pieceHash(std::uint64_t bucket, qsizetype keyLength, int piece, std::uint64_t hash) {
    return mix(mix(mix(bucket, static_cast<std::uint64_t>(keyLength)), static_cast<std::uint64_t>(piece)), hash);
}

} // namespace

void NearKeys::add(const QString& key, std::uint64_t bucket) {
    const int index = size();
    m_keys.push_back(key);
    const PrefixHashes hashes(key);
    const Cut cut = cutOf(key.size());
    for (int p = 0; p < kPieces; ++p) {
        const auto at = static_cast<size_t>(p);
        m_pieces.push_back({pieceHash(bucket, key.size(), p, hashes.of(cut.start[at], cut.length[at])), index});
    }
    m_buckets.push_back(bucket);
}

void NearKeys::build() {
    std::sort(m_pieces.begin(), m_pieces.end());
    int bits = 1;
    while (bits < 24 && (size_t{1} << bits) < m_pieces.size()) ++bits;
    m_shift = 64 - bits;
    m_directory.assign((size_t{1} << bits) + 1, 0);
    size_t piece = 0;
    for (size_t top = 0; top < m_directory.size(); ++top) {
        while (piece < m_pieces.size() && (m_pieces[piece].hash >> m_shift) < top) ++piece;
        m_directory[top] = static_cast<std::uint32_t>(piece);
    }
}

std::vector<NearKeys::Near> NearKeys::near(const QString& key, std::uint64_t bucket) const {
    std::vector<int> found;
    const PrefixHashes hashes(key);
    const qsizetype m = key.size();
    for (qsizetype n = std::max<qsizetype>(0, m - kLimit); n <= m + kLimit; ++n) {
        const Cut cut = cutOf(n);
        for (int p = 0; p < kPieces; ++p) {
            const auto at = static_cast<size_t>(p);
            for (qsizetype shift = -kLimit; shift <= kLimit; ++shift) {
                const qsizetype start = cut.start[at] + shift;
                if (start < 0 || start + cut.length[at] > m) continue;
                const std::uint64_t hash = pieceHash(bucket, n, p, hashes.of(start, cut.length[at]));
                const size_t top = static_cast<size_t>(hash >> m_shift);
                const auto end = m_pieces.begin() + m_directory[top + 1];
                auto it = std::lower_bound(m_pieces.begin() + m_directory[top], end, Piece{hash, -1});
                for (; it != end && it->hash == hash; ++it) found.push_back(it->index);
            }
        }
    }
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    std::vector<Near> result;
    for (const int index : found) {
        if (m_buckets[static_cast<size_t>(index)] != bucket) continue;
        const int letters = lettersApart(key, m_keys[static_cast<size_t>(index)], kLimit);
        if (letters >= 0) result.push_back({index, letters});
    }
    return result;
}

} // namespace rzv
