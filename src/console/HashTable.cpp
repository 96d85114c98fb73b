#include "console/HashTable.h"

namespace script {

namespace {
// Link and value before the name, and its terminating zero.
constexpr int kEntryOverhead = 13;
}  // namespace

HashTable::HashTable(int bucketCount)
    : buckets_(std::size_t(bucketCount), nullptr), blockBytes_(12 * bucketCount) {}

int HashTable::BucketOf(const QString& name) const {
    unsigned sum = 0;
    for (const QChar c : name) sum += c.toUpper().unicode();
    return int(sum & unsigned(buckets_.size() - 1));
}

void HashTable::Insert(const QString& name, const void* value) {
    const int need = int(name.toUtf8().size()) + kEntryOverhead;
    if (blocks_.empty() || blocks_.back()->bytesLeft < need) {
        auto block = std::make_unique<Block>();
        // Reserved up front so that no entry ever moves: at most one entry per 13 bytes.
        block->entries.reserve(std::size_t(blockBytes_ / kEntryOverhead + 1));
        block->bytesLeft = blockBytes_;
        blocks_.push_back(std::move(block));
    }
    Block& block = *blocks_.back();
    const int bucket = BucketOf(name);
    block.entries.push_back({buckets_[std::size_t(bucket)], value, name});
    // A name longer than a whole block still gets an entry, alone in its block.
    block.bytesLeft -= need;
    buckets_[std::size_t(bucket)] = &block.entries.back();
    ++count_;
}

const void* HashTable::Lookup(const QString& name) const {
    for (const Entry* e = buckets_[std::size_t(BucketOf(name))]; e; e = e->next)
        if (e->name.compare(name, Qt::CaseInsensitive) == 0) return e->value;
    return nullptr;
}

}  // namespace script
