#pragma once

#include <QString>
#include <memory>
#include <string>
#include <vector>

namespace script {

// Maps names to pointers, ignoring case. Entries are never removed; a name inserted twice is
// found in its latest form first.
class HashTable {
  public:
    // bucketCount must be a power of two.
    explicit HashTable(int bucketCount);
    HashTable(const HashTable&) = delete;
    HashTable& operator=(const HashTable&) = delete;

    void Insert(const QString& name, const void* value);
    const void* Lookup(const QString& name) const;
    int count() const { return count_; }
    int bucketCount() const { return int(buckets_.size()); }
    // Blocks of entry storage in use, each of 12 bytes per bucket.
    int blockCount() const { return int(blocks_.size()); }

    // The sum of the name's characters in upper case, masked to the buckets.
    int BucketOf(const QString& name) const;

  private:
    struct Entry {
        const Entry* next;
        const void* value;
        QString name;
    };
    // Entries live in blocks filled from the front, so their addresses never move; a block
    // holds as many entries as would fit 12 bytes per bucket at 8 bytes plus the name each.
    struct Block {
        std::vector<Entry> entries;
        int bytesLeft;
    };

    std::vector<const Entry*> buckets_;
    std::vector<std::unique_ptr<Block>> blocks_;
    int blockBytes_;
    int count_ = 0;
};

}  // namespace script
