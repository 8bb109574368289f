// Meet in the middle: every candidate is a prefix (the leading digits) and a
// suffix (the rest). The walk stops at a candidate exactly when, for some row
// that can overflow, all rows before it sum to zero and that row overflows, or
// when every row sums to zero. Both conditions split into "the suffix sums of
// the key rows equal minus the prefix sums" and a threshold on the row's
// partial sums, so the suffixes are tabulated once, grouped by their key-row
// sums, and each prefix, taken in ascending order, asks its group for the
// smallest suffix that stops the walk. The first prefix that gets an answer
// holds the first stopping candidate.

#include <algorithm>
#include <limits>

#include "search_detail.h"

namespace quorvel::search_detail {
namespace {

constexpr std::int32_t kNone = -1;

std::size_t Ix(int i) { return static_cast<std::size_t>(i); }

std::uint64_t HashKey(const std::int32_t* key, int len) {
  std::uint64_t h = 0x9E3779B97F4A7C15ULL;
  for (int i = 0; i < len; ++i) {
    h ^= static_cast<std::uint32_t>(key[i]);
    h *= 0xBF58476D1CE4E5B9ULL;
    h ^= h >> 31;
  }
  return h;
}

struct Record {
  std::int32_t group;
  std::int32_t value;
  std::int32_t suffix;
};

// What one row that can overflow needs from the suffixes of each group.
struct Watch {
  int row = 0;
  // The suffixes, in ascending order, whose highest (lowest) partial sum beats
  // every earlier suffix of their group; sorted by group after the build.
  std::vector<Record> highs;
  std::vector<Record> lows;
  std::vector<std::int32_t> high_start;
  std::vector<std::int32_t> low_start;
  std::vector<std::int32_t> high_seen;  // build only
  std::vector<std::int32_t> low_seen;   // build only
};

// Suffixes grouped by the sums of the first `key_len` key rows.
struct Table {
  int key_len = 0;
  bool balance = false;  // also answers for candidates that zero every row
  std::vector<Watch> watches;
  std::uint64_t mask = 0;
  std::vector<std::uint64_t> slot_hash;
  std::vector<std::int32_t> slot_group;
  std::vector<std::int32_t> keys;   // key_len per group
  std::vector<std::int32_t> first;  // smallest suffix per group

  int groups() const { return static_cast<int>(first.size()); }

  bool SameKey(std::int32_t group, const std::int32_t* key) const {
    const std::int32_t* stored = keys.data() + Ix(group) * Ix(key_len);
    return std::equal(stored, stored + key_len, key);
  }

  std::int32_t Find(const std::int32_t* key) const {
    const std::uint64_t hash = HashKey(key, key_len);
    for (std::uint64_t slot = hash & mask;; slot = (slot + 1) & mask) {
      const std::int32_t group = slot_group[slot];
      if (group == kNone) return kNone;
      if (slot_hash[slot] == hash && SameKey(group, key)) return group;
    }
  }

  // Returns the group and whether it is new.
  std::pair<std::int32_t, bool> FindOrAdd(const std::int32_t* key, std::int32_t suffix) {
    const std::uint64_t hash = HashKey(key, key_len);
    std::uint64_t slot = hash & mask;
    for (;; slot = (slot + 1) & mask) {
      const std::int32_t group = slot_group[slot];
      if (group == kNone) break;
      if (slot_hash[slot] == hash && SameKey(group, key)) return {group, false};
    }
    const auto group = static_cast<std::int32_t>(first.size());
    slot_group[slot] = group;
    slot_hash[slot] = hash;
    keys.insert(keys.end(), key, key + key_len);
    first.push_back(suffix);
    return {group, true};
  }
};

void SortByGroup(std::vector<Record>& records, int groups, std::vector<std::int32_t>& start) {
  start.assign(Ix(groups) + 1, 0);
  for (const Record& r : records) ++start[Ix(r.group) + 1];
  for (int g = 0; g < groups; ++g) start[Ix(g) + 1] += start[Ix(g)];
  std::vector<Record> sorted(records.size());
  std::vector<std::int32_t> next(start.begin(), start.end() - 1);
  for (const Record& r : records) sorted[Ix(next[Ix(r.group)]++)] = r;
  records.swap(sorted);
}

class Splitter {
 public:
  Splitter(const ReducedRows& rows, int prefix_len, YieldPacer& pacer)
      : rows_(rows),
        pacer_(pacer),
        n_(rows.compounds),
        h_(prefix_len),
        r_(rows.compounds - prefix_len),
        w_(static_cast<int>(rows.rows.size())) {}

  std::optional<Digits> Run() {
    PlanTables();
    if (tables_.empty()) return std::nullopt;
    BoundDigits();
    TabulateSuffixes();
    return ScanPrefixes();
  }

 private:
  std::int32_t Entry(int w, int j) const { return rows_.rows[Ix(w)].entry[Ix(j)]; }

  void PlanTables() {
    auto table_for = [this](int key_len) -> Table& {
      for (Table& t : tables_) {
        if (t.key_len == key_len) return t;
      }
      tables_.emplace_back();
      tables_.back().key_len = key_len;
      return tables_.back();
    };
    for (int w = 0; w < w_; ++w) {
      const WalkRow& row = rows_.rows[Ix(w)];
      if (!row.can_overflow) continue;
      Watch watch;
      watch.row = w;
      table_for(row.key_rows_before).watches.push_back(std::move(watch));
    }
    if (rows_.balance_possible) table_for(static_cast<int>(rows_.key.size())).balance = true;
  }

  // What the digits from each position on can add to each row, so that a
  // run of candidates is skipped when none of them can stop the walk.
  void BoundDigits() {
    const std::size_t rows = Ix(w_);
    rest_high_.assign(Ix(n_ + 1) * rows, 0);
    rest_low_.assign(rest_high_.size(), 0);
    for (int p = n_ - 1; p >= 0; --p) {
      for (int w = 0; w < w_; ++w) {
        const std::size_t at = Ix(p) * rows + Ix(w);
        const std::int32_t a = 9 * Entry(w, p);
        rest_high_[at] = rest_high_[at + rows] + std::max(a, 0);
        rest_low_[at] = rest_low_[at + rows] + std::min(a, 0);
      }
    }
    prefix_high_.resize(rows);
    prefix_low_.resize(rows);
    for (int w = 0; w < w_; ++w) {
      prefix_high_[Ix(w)] = rest_high_[Ix(w)] - rest_high_[Ix(h_) * rows + Ix(w)];
      prefix_low_[Ix(w)] = rest_low_[Ix(w)] - rest_low_[Ix(h_) * rows + Ix(w)];
    }
    min_key_len_ = static_cast<int>(rows_.key.size());
    for (const Table& t : tables_) min_key_len_ = std::min(min_key_len_, t.key_len);
  }

  std::size_t Rest(int position, int w) const { return Ix(position) * Ix(w_) + Ix(w); }

  // How many leading key rows could still sum to zero, given the sums so far
  // and what the digits from `next` on (and, for a suffix, the prefix) can add.
  int CancellableKeyRows(const std::int32_t* sums, int next, bool with_prefix) const {
    int count = 0;
    for (const int w : rows_.key) {
      std::int32_t low = sums[w] + rest_low_[Rest(next, w)];
      std::int32_t high = sums[w] + rest_high_[Rest(next, w)];
      if (with_prefix) {
        low += prefix_low_[Ix(w)];
        high += prefix_high_[Ix(w)];
      }
      if (low > 0 || high < 0) break;
      ++count;
    }
    return count;
  }

  void TabulateSuffixes() {
    int count = 1;
    for (int i = 0; i < r_; ++i) count *= 10;
    std::uint64_t capacity = 1;
    while (capacity < 2 * static_cast<std::uint64_t>(count)) capacity <<= 1;
    for (Table& t : tables_) {
      t.mask = capacity - 1;
      t.slot_hash.assign(capacity, 0);
      t.slot_group.assign(capacity, kNone);
    }

    // Per suffix position and row: running sum, highest and lowest partial sum.
    const std::size_t level_size = Ix(w_);
    std::vector<std::int32_t> sum(Ix(r_) * level_size);
    std::vector<std::int32_t> high(sum.size());
    std::vector<std::int32_t> low(sum.size());
    std::vector<std::int32_t> key(rows_.key.size());
    Digits digits{};
    int changed = 0;  // first suffix position whose digit changed
    for (;;) {
      int t = changed;
      int cancellable = 0;
      for (; t < r_; ++t) {
        const std::int32_t d = digits[Ix(t)];
        for (int w = 0; w < w_; ++w) {
          const std::size_t at = Ix(t) * level_size + Ix(w);
          const std::int32_t product = d * Entry(w, h_ + t);
          if (t == 0) {
            sum[at] = high[at] = low[at] = product;
          } else {
            const std::size_t before = at - level_size;
            sum[at] = sum[before] + product;
            high[at] = std::max(high[before], sum[at]);
            low[at] = std::min(low[before], sum[at]);
          }
        }
        cancellable = CancellableKeyRows(sum.data() + Ix(t) * level_size, h_ + t + 1, true);
        if (cancellable < min_key_len_) break;
      }
      if (t == r_) {
        pacer_.Tick();
        std::int32_t suffix = 0;
        for (int i = 0; i < r_; ++i) suffix = suffix * 10 + digits[Ix(i)];
        const std::size_t last = Ix(r_ - 1) * level_size;
        for (std::size_t i = 0; i < key.size(); ++i) key[i] = sum[last + Ix(rows_.key[i])];
        for (Table& table : tables_) {
          if (table.key_len <= cancellable) Insert(table, key.data(), suffix, last, high, low);
        }
        t = r_ - 1;
      }
      // Next suffix, or past every suffix that shares the first t+1 digits.
      for (int i = t + 1; i < r_; ++i) digits[Ix(i)] = 0;
      while (t >= 0 && digits[Ix(t)] == 9) digits[Ix(t--)] = 0;
      if (t < 0) break;
      ++digits[Ix(t)];
      changed = t;
    }
    for (Table& t : tables_) {
      for (Watch& watch : t.watches) {
        SortByGroup(watch.highs, t.groups(), watch.high_start);
        SortByGroup(watch.lows, t.groups(), watch.low_start);
        watch.high_seen = {};
        watch.low_seen = {};
      }
    }
  }

  static void Insert(Table& t, const std::int32_t* key, std::int32_t suffix, std::size_t last,
                     const std::vector<std::int32_t>& high, const std::vector<std::int32_t>& low) {
    const auto [group, is_new] = t.FindOrAdd(key, suffix);
    for (Watch& watch : t.watches) {
      if (is_new) {
        watch.high_seen.push_back(std::numeric_limits<std::int32_t>::min());
        watch.low_seen.push_back(std::numeric_limits<std::int32_t>::max());
      }
      const std::size_t at = last + Ix(watch.row);
      const auto g = Ix(group);
      if (high[at] > watch.high_seen[g]) {
        watch.high_seen[g] = high[at];
        watch.highs.push_back({group, high[at], suffix});
      }
      if (low[at] < watch.low_seen[g]) {
        watch.low_seen[g] = low[at];
        watch.lows.push_back({group, low[at], suffix});
      }
    }
  }

  // The smallest suffix of `group` that makes the watched row overflow after
  // a prefix with row sum `prefix_sum` that stayed in range.
  static std::int32_t FirstOverflow(const Watch& watch, std::int32_t group,
                                    std::int32_t prefix_sum) {
    std::int32_t best = kNone;
    auto take = [&best](std::int32_t suffix) {
      if (best == kNone || suffix < best) best = suffix;
    };
    {
      const auto begin = watch.highs.begin() + watch.high_start[Ix(group)];
      const auto end = watch.highs.begin() + watch.high_start[Ix(group) + 1];
      const std::int32_t limit = kRowMax - prefix_sum;
      const auto it =
          std::partition_point(begin, end, [limit](const Record& r) { return r.value <= limit; });
      if (it != end) take(it->suffix);
    }
    {
      const auto begin = watch.lows.begin() + watch.low_start[Ix(group)];
      const auto end = watch.lows.begin() + watch.low_start[Ix(group) + 1];
      const std::int32_t limit = kRowMin - prefix_sum;
      const auto it =
          std::partition_point(begin, end, [limit](const Record& r) { return r.value >= limit; });
      if (it != end) take(it->suffix);
    }
    return best;
  }

  // Whether some candidate starting with the digits up to `position` can
  // stop the walk, judged by what the later digits can add.
  bool MayStop(int position, const std::int32_t* sums, const char* out) const {
    const int next = position + 1;
    const int cancellable = CancellableKeyRows(sums, next, false);
    if (rows_.balance_possible && cancellable == static_cast<int>(rows_.key.size())) return true;
    for (const Table& t : tables_) {
      if (t.key_len > cancellable) continue;
      for (const Watch& watch : t.watches) {
        const int w = watch.row;
        if (out[w] || sums[w] + rest_high_[Rest(next, w)] > kRowMax ||
            sums[w] + rest_low_[Rest(next, w)] < kRowMin) {
          return true;
        }
      }
    }
    return false;
  }

  std::optional<Digits> ScanPrefixes() {
    const std::size_t level_size = Ix(w_);
    std::vector<std::int32_t> sum(Ix(h_) * level_size);
    std::vector<char> out(sum.size());  // a running sum left 16 bits
    std::vector<std::int32_t> key(rows_.key.size());
    Digits digits{};
    // The prefix of all ones is the caller's; start right after it.
    for (int j = 0; j < h_; ++j) digits[Ix(j)] = 1;
    ++digits[Ix(h_ - 1)];
    int changed = 0;
    for (;;) {
      int t = changed;
      for (; t < h_; ++t) {
        const std::size_t level = Ix(t) * level_size;
        for (int w = 0; w < w_; ++w) {
          const std::size_t at = level + Ix(w);
          const std::int32_t product = digits[Ix(t)] * Entry(w, t);
          const std::int32_t before = t == 0 ? 0 : sum[at - level_size];
          const bool was_out = t == 0 ? false : out[at - level_size] != 0;
          sum[at] = before + product;
          out[at] = static_cast<char>(was_out || OutOfRow(sum[at]));
        }
        if (!MayStop(t, sum.data() + level, out.data() + level)) break;
      }
      if (t == h_) {
        pacer_.Tick();
        if (const std::int32_t best = BestSuffix(sum, out, key); best != kNone) {
          std::int32_t rest = best;
          for (int j = n_ - 1; j >= h_; --j) {
            digits[Ix(j)] = rest % 10;
            rest /= 10;
          }
          return digits;
        }
        t = h_ - 1;
      }
      // Next prefix, or past every prefix that shares the first t+1 digits.
      for (int i = t + 1; i < h_; ++i) digits[Ix(i)] = 0;
      while (t >= 0 && digits[Ix(t)] == 9) digits[Ix(t--)] = 0;
      if (t < 0) return std::nullopt;
      ++digits[Ix(t)];
      changed = t;
    }
  }

  // The smallest suffix that stops the walk after the current prefix.
  std::int32_t BestSuffix(const std::vector<std::int32_t>& sum, const std::vector<char>& out,
                          std::vector<std::int32_t>& key) const {
    const std::size_t last = Ix(h_ - 1) * Ix(w_);
    std::int32_t best = kNone;
    auto take = [&best](std::int32_t suffix) {
      if (suffix != kNone && (best == kNone || suffix < best)) best = suffix;
    };
    bool keyed = false;
    for (const Table& t : tables_) {
      bool needed = t.balance;
      for (const Watch& watch : t.watches) {
        needed = needed || MayOverflow(watch.row, sum, out);
      }
      if (!needed) continue;
      if (!keyed) {
        for (std::size_t i = 0; i < key.size(); ++i) key[i] = -sum[last + Ix(rows_.key[i])];
        keyed = true;
      }
      const std::int32_t group = t.Find(key.data());
      if (group == kNone) continue;
      if (t.balance) take(t.first[Ix(group)]);
      for (const Watch& watch : t.watches) {
        const std::size_t at = last + Ix(watch.row);
        take(out[at] ? t.first[Ix(group)] : FirstOverflow(watch, group, sum[at]));
      }
    }
    return best;
  }

  bool MayOverflow(int w, const std::vector<std::int32_t>& sum,
                   const std::vector<char>& out) const {
    const std::size_t at = Ix(h_ - 1) * Ix(w_) + Ix(w);
    return out[at] || sum[at] + rest_high_[Rest(h_, w)] > kRowMax ||
           sum[at] + rest_low_[Rest(h_, w)] < kRowMin;
  }

  const ReducedRows& rows_;
  YieldPacer& pacer_;
  int n_;
  int h_;
  int r_;
  int w_;
  std::vector<Table> tables_;
  // Indexed by position (0..N) and row: what the digits from there on add.
  std::vector<std::int32_t> rest_high_;
  std::vector<std::int32_t> rest_low_;
  // What the leading digits can add, per row.
  std::vector<std::int32_t> prefix_high_;
  std::vector<std::int32_t> prefix_low_;
  int min_key_len_ = 0;
};

}  // namespace

std::optional<Digits> SplitSearch(const ReducedRows& rows, int prefix_len, YieldPacer& pacer) {
  return Splitter(rows, prefix_len, pacer).Run();
}

}  // namespace quorvel::search_detail
