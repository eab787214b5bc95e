// The latest entries of a record that would otherwise grow for as long as the host runs:
// a person reading a session, or a test, looks back a few steps, never to the start of a
// run of ten thousand. Adding to a full history forgets its oldest entry and counts it.
// Entries are numbered from 0 in the order added since the last clear, forgotten ones
// included, so that a reader who noted where it stood finds its place again.
#pragma once

#include <cstddef>
#include <deque>
#include <utility>

namespace simhost {

template <class T>
class RecentHistory {
public:
    using value_type = T;
    using iterator = typename std::deque<T>::const_iterator;
    using const_iterator = typename std::deque<T>::const_iterator;

    explicit RecentHistory(size_t capacity) : capacity_(capacity) {}

    void push_back(T entry) {
        if (entries_.size() == capacity_) {
            entries_.pop_front();
            ++forgotten_;
        }
        entries_.push_back(std::move(entry));
    }
    // Forgets everything, and the count of what was forgotten.
    void clear() {
        entries_.clear();
        forgotten_ = 0;
    }

    size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }
    const T &operator[](size_t index) const { return entries_[index]; }
    const T &front() const { return entries_.front(); }
    const T &back() const { return entries_.back(); }
    const_iterator begin() const { return entries_.begin(); }
    const_iterator end() const { return entries_.end(); }

    size_t Capacity() const { return capacity_; }
    // How many entries added since the last clear are no longer kept.
    size_t Forgotten() const { return forgotten_; }
    // How many entries were added since the last clear, kept or not: the number the next
    // one will have.
    size_t Added() const { return forgotten_ + entries_.size(); }
    // The entry numbered `number`; null when it is forgotten or not added yet.
    const T *Numbered(size_t number) const {
        if (number < forgotten_ || number >= Added()) return nullptr;
        return &entries_[number - forgotten_];
    }

private:
    std::deque<T> entries_;
    size_t capacity_;
    size_t forgotten_ = 0;
};

}  // namespace simhost
