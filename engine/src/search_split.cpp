// The split search: the literal walk's answer for five to nine compounds
// without walking up to nine hundred million candidates.
//
// Why one candidate is enough. The walk tries the candidates in ascending
// order and stops at the first one that either balances every row or makes
// a running row sum leave 16 bits; every candidate before it is rejected and
// leaves no trace. So whoever finds that first stopping candidate, by any
// route, and judges it once more on the whole matrix (search.cpp does) has
// the walk's answer, an overflow included.
//
// How it is found. Cut every candidate into a prefix, its first H digits,
// and a suffix, the other digits. A row's sum is the prefix's part plus the
// suffix's part. With pencil: four compounds cut 2 + 2 and the one row
// (1, 2, -1, -1). The prefix 13 contributes 1x1 + 3x2 = 7; a suffix ab
// contributes -a - b. The row sums to zero exactly when the suffix's part is
// -7: the suffixes 07, 16, 25, ..., 70. So every suffix 00 to 99 is visited
// once and filed in a group by its part, its "key"; the prefix 13 looks up
// the group of key -7 and takes its smallest suffix, 07: 1307 is the first
// candidate starting with 13 that balances. Ascending candidates are
// ascending prefixes and, within one prefix, ascending suffixes, so the
// first prefix (in ascending order) whose group holds a stopping suffix,
// joined to its smallest stopping suffix, is the first stopping candidate.
// (The prefix 11 is walked literally before: its suffixes start at 11, not
// at 00.)
//
// With several rows the key is the list of the suffix's parts in the key
// rows (ReduceRows: the independent rows; the others follow from them).
// An overflow stops the walk too, in a row the walk reaches, that is when
// every row before it sums to zero (a key condition on the key rows before
// it) and then a running sum of the row leaves 16 bits. Over the prefix's
// digits the running sums are known from the prefix; over the suffix's
// digits they are the prefix's part plus the suffix's own running sums, so
// only the suffix's highest and lowest running sum matter. For each row that
// can overflow, each group keeps the suffixes, in ascending order, whose
// highest running sum beats that of every smaller suffix of the group: a
// staircase, in which the first step above 32767 minus the prefix's part is
// the smallest overflowing suffix, found by binary search. Likewise for the
// lowest running sums. A row behind k key rows needs groups keyed by the
// first k key rows only, a balance by all of them: one table per such k.
//
// Bounds on what the remaining digits can still add to each row skip whole
// runs of prefixes and suffixes that cannot bring a key row back to zero nor
// take a row out of range.

#include <algorithm>
#include <limits>

#include "search_detail.h"

namespace quorvel::search_detail {
namespace {

// No group, no suffix.
constexpr std::int32_t kNone = -1;

std::uint64_t HashKey(const std::int32_t* key, int len) {
  std::uint64_t h = 0x9E3779B97F4A7C15ULL;
  for (int i = 0; i < len; ++i) {
    h ^= static_cast<std::uint32_t>(key[i]);
    h *= 0xBF58476D1CE4E5B9ULL;
    h ^= h >> 31;
  }
  return h;
}

// One step of a staircase: `suffix` is the smallest suffix of `group` whose
// highest (or lowest) running sum in the watched row reaches `value`.
struct Step {
  std::int32_t group;
  std::int32_t value;
  std::int32_t suffix;
};

// What one row that can overflow needs from the suffixes of each group.
struct Watch {
  int row = 0;
  // The staircases of every group, sorted by group after the suffixes are
  // visited; the steps of group g run from high_start[g] to high_start[g+1].
  std::vector<Step> highs;
  std::vector<Step> lows;
  std::vector<std::int32_t> high_start;
  std::vector<std::int32_t> low_start;
  // The highest and lowest value so far per group, while the suffixes are
  // visited.
  std::vector<std::int32_t> high_seen;
  std::vector<std::int32_t> low_seen;
};

// Suffixes grouped by their parts in the first `key_rows` key rows, in an
// open-addressing hash index.
struct Table {
  int key_rows = 0;
  bool answers_balance = false;  // the group also answers "every row zero"
  std::vector<Watch> watches;
  std::uint64_t mask = 0;
  std::vector<std::uint64_t> slot_hash;
  std::vector<std::int32_t> slot_group;
  std::vector<std::int32_t> group_keys;       // key_rows values per group
  std::vector<std::int32_t> smallest_suffix;  // per group

  int groups() const { return static_cast<int>(smallest_suffix.size()); }

  bool SameKey(std::int32_t group, const std::int32_t* key) const {
    const std::int32_t* stored = group_keys.data() + ToIndex(group) * ToIndex(key_rows);
    return std::equal(stored, stored + key_rows, key);
  }

  // The slot that holds `key`, or the empty slot where it would go.
  std::uint64_t Probe(const std::int32_t* key, std::uint64_t hash) const {
    std::uint64_t slot = hash & mask;
    while (slot_group[slot] != kNone &&
           !(slot_hash[slot] == hash && SameKey(slot_group[slot], key))) {
      slot = (slot + 1) & mask;
    }
    return slot;
  }

  std::int32_t Find(const std::int32_t* key) const {
    return slot_group[Probe(key, HashKey(key, key_rows))];
  }

  // The group of `key`, made for `suffix` when there was none, and whether it
  // is new. Suffixes arrive in ascending order: the first is the smallest.
  std::pair<std::int32_t, bool> FindOrAdd(const std::int32_t* key, std::int32_t suffix) {
    const std::uint64_t hash = HashKey(key, key_rows);
    const std::uint64_t slot = Probe(key, hash);
    if (slot_group[slot] != kNone) return {slot_group[slot], false};
    const auto group = static_cast<std::int32_t>(smallest_suffix.size());
    slot_group[slot] = group;
    slot_hash[slot] = hash;
    group_keys.insert(group_keys.end(), key, key + key_rows);
    smallest_suffix.push_back(suffix);
    return {group, true};
  }
};

// A stable counting sort by group; `start` gets each group's first index.
void SortByGroup(std::vector<Step>& steps, int groups, std::vector<std::int32_t>& start) {
  start.assign(ToIndex(groups) + 1, 0);
  for (const Step& step : steps) ++start[ToIndex(step.group) + 1];
  for (int g = 0; g < groups; ++g) start[ToIndex(g) + 1] += start[ToIndex(g)];
  std::vector<Step> sorted(steps.size());
  std::vector<std::int32_t> next(start.begin(), start.end() - 1);
  for (const Step& step : steps) sorted[ToIndex(next[ToIndex(step.group)]++)] = step;
  steps.swap(sorted);
}

class Splitter {
 public:
  Splitter(const ReducedRows& rows, int prefix_len, YieldPacer& pacer)
      : rows_(rows),
        pacer_(pacer),
        compounds_(rows.compounds),
        prefix_len_(prefix_len),
        suffix_len_(rows.compounds - prefix_len),
        row_count_(static_cast<int>(rows.rows.size())) {}

  std::optional<Digits> Run() {
    PlanTables();
    if (tables_.empty()) return std::nullopt;
    BoundDigits();
    TabulateSuffixes();
    return ScanPrefixes();
  }

 private:
  std::int32_t Entry(int row, int j) const { return rows_.rows[ToIndex(row)].entry[ToIndex(j)]; }

  void PlanTables() {
    auto table_for = [this](int key_rows) -> Table& {
      for (Table& t : tables_) {
        if (t.key_rows == key_rows) return t;
      }
      tables_.emplace_back();
      tables_.back().key_rows = key_rows;
      return tables_.back();
    };
    for (int row = 0; row < row_count_; ++row) {
      const WalkRow& walk_row = rows_.rows[ToIndex(row)];
      if (!walk_row.can_overflow) continue;
      Watch watch;
      watch.row = row;
      table_for(walk_row.key_rows_before).watches.push_back(std::move(watch));
    }
    if (rows_.balance_possible) {
      table_for(static_cast<int>(rows_.key.size())).answers_balance = true;
    }
  }

  // What the digits from each position on can add to each row, so that a
  // run of candidates is skipped when none of them can stop the walk.
  void BoundDigits() {
    rest_high_.assign(ToIndex(compounds_ + 1) * ToIndex(row_count_), 0);
    rest_low_.assign(rest_high_.size(), 0);
    for (int p = compounds_ - 1; p >= 0; --p) {
      for (int row = 0; row < row_count_; ++row) {
        const std::int32_t most = 9 * Entry(row, p);
        rest_high_[Rest(p, row)] = rest_high_[Rest(p + 1, row)] + std::max(most, 0);
        rest_low_[Rest(p, row)] = rest_low_[Rest(p + 1, row)] + std::min(most, 0);
      }
    }
    prefix_high_.resize(ToIndex(row_count_));
    prefix_low_.resize(ToIndex(row_count_));
    for (int row = 0; row < row_count_; ++row) {
      prefix_high_[ToIndex(row)] = rest_high_[Rest(0, row)] - rest_high_[Rest(prefix_len_, row)];
      prefix_low_[ToIndex(row)] = rest_low_[Rest(0, row)] - rest_low_[Rest(prefix_len_, row)];
    }
    fewest_key_rows_ = static_cast<int>(rows_.key.size());
    for (const Table& t : tables_) fewest_key_rows_ = std::min(fewest_key_rows_, t.key_rows);
  }

  std::size_t Rest(int position, int row) const {
    return ToIndex(position) * ToIndex(row_count_) + ToIndex(row);
  }

  // Whether the digits from `next` on can still take a row with these sums
  // outside 16 bits.
  bool CanLeaveRange(int row, std::int32_t sum, int next) const {
    return sum + rest_high_[Rest(next, row)] > kRowMax ||
           sum + rest_low_[Rest(next, row)] < kRowMin;
  }

  // How many leading key rows could still sum to zero, given the sums so far
  // and what the digits from `next` on (and, for a suffix, the prefix) can add.
  int CancellableKeyRows(const std::int32_t* sums, int next, bool with_prefix) const {
    int count = 0;
    for (const int row : rows_.key) {
      std::int32_t low = sums[row] + rest_low_[Rest(next, row)];
      std::int32_t high = sums[row] + rest_high_[Rest(next, row)];
      if (with_prefix) {
        low += prefix_low_[ToIndex(row)];
        high += prefix_high_[ToIndex(row)];
      }
      if (low > 0 || high < 0) break;
      ++count;
    }
    return count;
  }

  // Visits every suffix from 0...0 to 9...9 in ascending order, files it by
  // its key-row parts and extends the staircases of its group.
  void TabulateSuffixes() {
    int count = 1;
    for (int i = 0; i < suffix_len_; ++i) count *= 10;
    std::uint64_t capacity = 1;
    while (capacity < 2 * static_cast<std::uint64_t>(count)) capacity <<= 1;
    for (Table& t : tables_) {
      t.mask = capacity - 1;
      t.slot_hash.assign(capacity, 0);
      t.slot_group.assign(capacity, kNone);
    }

    // Per suffix position and row: running sum, highest and lowest partial sum.
    const std::size_t level_size = ToIndex(row_count_);
    std::vector<std::int32_t> sum(ToIndex(suffix_len_) * level_size);
    std::vector<std::int32_t> high(sum.size());
    std::vector<std::int32_t> low(sum.size());
    std::vector<std::int32_t> key(rows_.key.size());
    Digits digits{};
    int changed = 0;  // first suffix position whose digit changed
    for (;;) {
      int t = changed;
      int cancellable = 0;
      for (; t < suffix_len_; ++t) {
        const std::int32_t d = digits[ToIndex(t)];
        for (int row = 0; row < row_count_; ++row) {
          const std::size_t at = ToIndex(t) * level_size + ToIndex(row);
          const std::int32_t product = d * Entry(row, prefix_len_ + t);
          if (t == 0) {
            sum[at] = high[at] = low[at] = product;
          } else {
            const std::size_t before = at - level_size;
            sum[at] = sum[before] + product;
            high[at] = std::max(high[before], sum[at]);
            low[at] = std::min(low[before], sum[at]);
          }
        }
        cancellable =
            CancellableKeyRows(sum.data() + ToIndex(t) * level_size, prefix_len_ + t + 1, true);
        if (cancellable < fewest_key_rows_) break;
      }
      if (t == suffix_len_) {
        pacer_.Tick();
        std::int32_t suffix = 0;
        for (int i = 0; i < suffix_len_; ++i) suffix = suffix * 10 + digits[ToIndex(i)];
        const std::size_t last = ToIndex(suffix_len_ - 1) * level_size;
        for (std::size_t i = 0; i < key.size(); ++i) key[i] = sum[last + ToIndex(rows_.key[i])];
        for (Table& table : tables_) {
          if (table.key_rows <= cancellable) File(table, key.data(), suffix, last, high, low);
        }
        t = suffix_len_ - 1;
      }
      changed = NextDigits(digits, 0, suffix_len_, t);
      if (changed < 0) break;
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

  // Files a suffix in its group and adds it to the group's staircases where
  // it climbs higher (or lower) than every smaller suffix of the group.
  static void File(Table& t, const std::int32_t* key, std::int32_t suffix, std::size_t last,
                   const std::vector<std::int32_t>& high, const std::vector<std::int32_t>& low) {
    const auto [group, is_new] = t.FindOrAdd(key, suffix);
    for (Watch& watch : t.watches) {
      if (is_new) {
        watch.high_seen.push_back(std::numeric_limits<std::int32_t>::min());
        watch.low_seen.push_back(std::numeric_limits<std::int32_t>::max());
      }
      const std::size_t at = last + ToIndex(watch.row);
      const auto g = ToIndex(group);
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
      const auto begin = watch.highs.begin() + watch.high_start[ToIndex(group)];
      const auto end = watch.highs.begin() + watch.high_start[ToIndex(group) + 1];
      const std::int32_t limit = kRowMax - prefix_sum;
      const auto it =
          std::partition_point(begin, end, [limit](const Step& s) { return s.value <= limit; });
      if (it != end) take(it->suffix);
    }
    {
      const auto begin = watch.lows.begin() + watch.low_start[ToIndex(group)];
      const auto end = watch.lows.begin() + watch.low_start[ToIndex(group) + 1];
      const std::int32_t limit = kRowMin - prefix_sum;
      const auto it =
          std::partition_point(begin, end, [limit](const Step& s) { return s.value >= limit; });
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
      if (t.key_rows > cancellable) continue;
      for (const Watch& watch : t.watches) {
        if (out[watch.row] || CanLeaveRange(watch.row, sums[watch.row], next)) return true;
      }
    }
    return false;
  }

  // Visits the prefixes above 1...1 in ascending order and returns the first
  // candidate the walk stops at.
  std::optional<Digits> ScanPrefixes() {
    const std::size_t level_size = ToIndex(row_count_);
    std::vector<std::int32_t> sum(ToIndex(prefix_len_) * level_size);
    std::vector<char> out(sum.size());  // a running sum left 16 bits
    std::vector<std::int32_t> key(rows_.key.size());
    Digits digits{};
    // The prefix of all ones is the caller's; start right after it.
    for (int j = 0; j < prefix_len_; ++j) digits[ToIndex(j)] = 1;
    ++digits[ToIndex(prefix_len_ - 1)];
    int changed = 0;
    for (;;) {
      int t = changed;
      for (; t < prefix_len_; ++t) {
        const std::size_t level = ToIndex(t) * level_size;
        for (int row = 0; row < row_count_; ++row) {
          const std::size_t at = level + ToIndex(row);
          const std::int32_t product = digits[ToIndex(t)] * Entry(row, t);
          const std::int32_t before = t == 0 ? 0 : sum[at - level_size];
          const bool was_out = t == 0 ? false : out[at - level_size] != 0;
          sum[at] = before + product;
          out[at] = static_cast<char>(was_out || OutOfRow(sum[at]));
        }
        if (!MayStop(t, sum.data() + level, out.data() + level)) break;
      }
      if (t == prefix_len_) {
        pacer_.Tick();
        if (const std::int32_t best = BestSuffix(sum, out, key); best != kNone) {
          std::int32_t rest = best;
          for (int j = compounds_ - 1; j >= prefix_len_; --j) {
            digits[ToIndex(j)] = rest % 10;
            rest /= 10;
          }
          return digits;
        }
        t = prefix_len_ - 1;
      }
      changed = NextDigits(digits, 0, prefix_len_, t);
      if (changed < 0) return std::nullopt;
    }
  }

  // The smallest suffix that stops the walk after the current prefix.
  std::int32_t BestSuffix(const std::vector<std::int32_t>& sum, const std::vector<char>& out,
                          std::vector<std::int32_t>& key) const {
    const std::size_t last = ToIndex(prefix_len_ - 1) * ToIndex(row_count_);
    std::int32_t best = kNone;
    auto take = [&best](std::int32_t suffix) {
      if (suffix != kNone && (best == kNone || suffix < best)) best = suffix;
    };
    bool keyed = false;
    for (const Table& t : tables_) {
      bool needed = t.answers_balance;
      for (const Watch& watch : t.watches) {
        const std::size_t at = last + ToIndex(watch.row);
        needed = needed || out[at] || CanLeaveRange(watch.row, sum[at], prefix_len_);
      }
      if (!needed) continue;
      if (!keyed) {
        for (std::size_t i = 0; i < key.size(); ++i) key[i] = -sum[last + ToIndex(rows_.key[i])];
        keyed = true;
      }
      const std::int32_t group = t.Find(key.data());
      if (group == kNone) continue;
      if (t.answers_balance) take(t.smallest_suffix[ToIndex(group)]);
      for (const Watch& watch : t.watches) {
        const std::size_t at = last + ToIndex(watch.row);
        take(out[at] ? t.smallest_suffix[ToIndex(group)] : FirstOverflow(watch, group, sum[at]));
      }
    }
    return best;
  }

  const ReducedRows& rows_;
  YieldPacer& pacer_;
  const int compounds_;
  const int prefix_len_;
  const int suffix_len_;
  const int row_count_;  // the reduced rows, key rows and watched rows alike
  std::vector<Table> tables_;
  // Indexed by position (0..N) and row: what the digits from there on add.
  std::vector<std::int32_t> rest_high_;
  std::vector<std::int32_t> rest_low_;
  // What the leading digits can add, per row.
  std::vector<std::int32_t> prefix_high_;
  std::vector<std::int32_t> prefix_low_;
  // The fewest key rows any table's groups are keyed by: a suffix that cannot
  // zero that many key rows is filed in no table.
  int fewest_key_rows_ = 0;
};

}  // namespace

std::optional<Digits> SplitSearch(const ReducedRows& rows, int prefix_len, YieldPacer& pacer) {
  return Splitter(rows, prefix_len, pacer).Run();
}

}  // namespace quorvel::search_detail
