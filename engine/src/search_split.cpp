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
  std::vector<std::int32_t> first_product_overflow;  // per group, kNone if none
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
    BoundSuffixes();
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

  // What the suffix digits can add to each row, for skipping rows that no
  // suffix can push out of range.
  void BoundSuffixes() {
    suffix_high_.assign(Ix(w_), 0);
    suffix_low_.assign(Ix(w_), 0);
    suffix_product_.assign(Ix(w_), false);
    for (int w = 0; w < w_; ++w) {
      for (int j = h_; j < n_; ++j) {
        const std::int32_t a = Entry(w, j);
        (a > 0 ? suffix_high_ : suffix_low_)[Ix(w)] += 9 * a;
        if (OutOfRow(9 * a)) suffix_product_[Ix(w)] = true;
      }
    }
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

    // Per suffix position: running sum, highest and lowest partial sum, and
    // whether a product left 16 bits, for every row.
    const std::size_t level_size = Ix(w_);
    std::vector<std::int32_t> sum(Ix(r_) * level_size);
    std::vector<std::int32_t> high(sum.size());
    std::vector<std::int32_t> low(sum.size());
    std::vector<char> product_out(sum.size());
    std::vector<std::int32_t> key(rows_.key.size());
    Digits digits{};
    int changed = 0;  // first suffix position whose digit changed
    for (std::int32_t suffix = 0; suffix < count; ++suffix) {
      pacer_.Tick();
      for (int t = changed; t < r_; ++t) {
        const std::int32_t d = digits[Ix(t)];
        for (int w = 0; w < w_; ++w) {
          const std::size_t at = Ix(t) * level_size + Ix(w);
          const std::int32_t product = d * Entry(w, h_ + t);
          if (t == 0) {
            sum[at] = high[at] = low[at] = product;
            product_out[at] = OutOfRow(product);
          } else {
            const std::size_t before = at - level_size;
            sum[at] = sum[before] + product;
            high[at] = std::max(high[before], sum[at]);
            low[at] = std::min(low[before], sum[at]);
            product_out[at] = static_cast<char>(product_out[before] || OutOfRow(product));
          }
        }
      }
      const std::size_t last = Ix(r_ - 1) * level_size;
      for (std::size_t i = 0; i < key.size(); ++i) key[i] = sum[last + Ix(rows_.key[i])];
      for (Table& t : tables_) {
        const auto [group, is_new] = t.FindOrAdd(key.data(), suffix);
        for (Watch& watch : t.watches) {
          if (is_new) {
            watch.first_product_overflow.push_back(kNone);
            watch.high_seen.push_back(std::numeric_limits<std::int32_t>::min());
            watch.low_seen.push_back(std::numeric_limits<std::int32_t>::max());
          }
          const std::size_t at = last + Ix(watch.row);
          const auto g = Ix(group);
          if (product_out[at] && watch.first_product_overflow[g] == kNone) {
            watch.first_product_overflow[g] = suffix;
          }
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
      // Next suffix, as a decimal odometer.
      changed = r_ - 1;
      while (changed >= 0 && digits[Ix(changed)] == 9) digits[Ix(changed--)] = 0;
      if (changed >= 0) ++digits[Ix(changed)];
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

  // The smallest suffix of `group` that makes the watched row overflow after
  // a prefix with row sum `prefix_sum` that stayed in range.
  static std::int32_t FirstOverflow(const Watch& watch, std::int32_t group,
                                    std::int32_t prefix_sum) {
    std::int32_t best = watch.first_product_overflow[Ix(group)];
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

  std::optional<Digits> ScanPrefixes() {
    const std::size_t level_size = Ix(w_);
    std::vector<std::int32_t> sum(Ix(h_) * level_size);
    std::vector<char> out(sum.size());  // a product or partial sum left 16 bits
    std::vector<std::int32_t> key(rows_.key.size());
    Digits digits{};
    for (int j = 0; j < h_; ++j) digits[Ix(j)] = 1;
    // The prefix of all ones is the caller's; start right after it.
    int changed = h_ - 1;
    ++digits[Ix(changed)];
    changed = 0;
    for (;;) {
      pacer_.Tick();
      for (int t = changed; t < h_; ++t) {
        for (int w = 0; w < w_; ++w) {
          const std::size_t at = Ix(t) * level_size + Ix(w);
          const std::int32_t product = digits[Ix(t)] * Entry(w, t);
          const std::int32_t before = t == 0 ? 0 : sum[at - level_size];
          const bool was_out = t == 0 ? false : out[at - level_size] != 0;
          sum[at] = before + product;
          out[at] = static_cast<char>(was_out || OutOfRow(product) || OutOfRow(sum[at]));
        }
      }
      const std::size_t last = Ix(h_ - 1) * level_size;
      std::int32_t best = kNone;
      auto take = [&best](std::int32_t suffix) {
        if (suffix != kNone && (best == kNone || suffix < best)) best = suffix;
      };
      bool keyed = false;
      for (const Table& t : tables_) {
        bool needed = t.balance;
        for (const Watch& watch : t.watches) needed = needed || MayOverflow(watch.row, sum, out);
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
      if (best != kNone) {
        for (int j = n_ - 1; j >= h_; --j) {
          digits[Ix(j)] = best % 10;
          best /= 10;
        }
        return digits;
      }
      changed = h_ - 1;
      while (changed >= 0 && digits[Ix(changed)] == 9) digits[Ix(changed--)] = 0;
      if (changed < 0) return std::nullopt;
      ++digits[Ix(changed)];
    }
  }

  bool MayOverflow(int w, const std::vector<std::int32_t>& sum,
                   const std::vector<char>& out) const {
    const std::size_t at = Ix(h_ - 1) * Ix(w_) + Ix(w);
    return out[at] || suffix_product_[Ix(w)] || sum[at] + suffix_high_[Ix(w)] > kRowMax ||
           sum[at] + suffix_low_[Ix(w)] < kRowMin;
  }

  const ReducedRows& rows_;
  YieldPacer& pacer_;
  int n_;
  int h_;
  int r_;
  int w_;
  std::vector<Table> tables_;
  std::vector<std::int32_t> suffix_high_;
  std::vector<std::int32_t> suffix_low_;
  std::vector<bool> suffix_product_;
};

}  // namespace

std::optional<Digits> SplitSearch(const ReducedRows& rows, int prefix_len, YieldPacer& pacer) {
  return Splitter(rows, prefix_len, pacer).Run();
}

}  // namespace quorvel::search_detail
