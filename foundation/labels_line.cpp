#include "foundation/labels_line.h"

#include "foundation/errors.h"
#include "foundation/numeric.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <vector>

namespace {
struct CheckChars {
    unsigned char first;
    unsigned char second;
};

// The two check characters that belong to the sum of a line's pair characters. The +8192 and +32 steps keep
// both check characters away from the control bytes for short lines.
CheckChars CheckCharsOf(std::int64_t sum) {
    if (nearest(static_cast<long double>(sum) / 256) < 32) sum += 8192;
    if (sum % 256 < 32) sum += 32;
    const std::int64_t h = nearest(static_cast<long double>(sum) / 256);
    return {static_cast<unsigned char>(h % 256), static_cast<unsigned char>(sum % 256)};
}

bool CheckCharsSafe(std::int64_t sum) {
    const CheckChars c = CheckCharsOf(sum);
    return IsSafeLabelsByte(c.first) && IsSafeLabelsByte(c.second);
}

// One way of storing a plain character: its filler, the coded character and what the pair adds to the sum.
struct PairOption {
    int sum;
    unsigned char filler;
    unsigned char coded;
};

// Every filler from the printable ASCII range whose coded character is safe too. The fillers run in an order
// that starts at a point depending on the character and its position, so that the first option (the one
// normally used) does not repeat the same filler all along the line.
std::vector<PairOption> OptionsFor(unsigned char plain, std::size_t k, bool lastPair, bool firstOnly) {
    constexpr int kFirst = 33, kCount = 94; // '!' .. '~'
    std::vector<PairOption> options;
    const int start = static_cast<int>((plain * 31u + (k % 256) * 17u) % kCount);
    for (int j = 0; j < kCount; ++j) {
        const int filler = kFirst + (start + j) % kCount;
        const auto coded = static_cast<unsigned char>((plain + k + filler % 80) % 256);
        if (!IsSafeLabelsByte(coded) || (lastPair && coded == ' ')) continue;
        options.push_back({filler + coded, static_cast<unsigned char>(filler), coded});
        if (firstOnly) break;
    }
    return options;
}
} // namespace

bool IsSafeLabelsByte(unsigned char c) {
    return c >= 32 && c != 127;
}

std::string DecodeLabelsLine(std::string_view line) {
    if (line.size() < 3) ThrowInvalidFile(kLabelsLineError);
    std::int64_t sum = 0;
    std::string out;
    out.reserve(line.size() / 2);
    // Positions are 1-based as the coding is defined: the pair of plain character k sits at 2k+1, 2k+2.
    for (std::size_t i = 4; i <= line.size(); i += 2) {
        const int filler = static_cast<unsigned char>(line[i - 2]);
        const int coded = static_cast<unsigned char>(line[i - 1]);
        sum += filler + coded;
        const std::int64_t k = static_cast<std::int64_t>((i - 1) / 2);
        // k grows without bound on a long line; taking it mod 256 first keeps the sum positive.
        out += static_cast<char>((coded - k % 256 - filler % 80 + 1024) % 256);
    }
    const CheckChars check = CheckCharsOf(sum);
    if (check.first != static_cast<unsigned char>(line[0]) ||
        check.second != static_cast<unsigned char>(line[1]))
        ThrowInvalidFile(kLabelsLineError);
    return out;
}

std::string EncodeLabelsLine(std::string_view text) {
    const std::size_t m = text.size();
    if (m == 0) {
        // No pairs: the sum is 0 and both check characters are blanks; a trailing odd character takes no
        // part in the check and keeps the line from being mistaken for a short (empty) one.
        const CheckChars c = CheckCharsOf(0);
        return std::string{static_cast<char>(c.first), static_cast<char>(c.second), '.'};
    }
    std::vector<std::vector<PairOption>> options(m);
    std::vector<std::size_t> chosen(m, 0);
    std::int64_t sum = 0;
    for (std::size_t k = 1; k <= m; ++k) {
        options[k - 1] = OptionsFor(static_cast<unsigned char>(text[k - 1]), k, k == m, true);
        sum += options[k - 1].front().sum;
    }

    if (!CheckCharsSafe(sum)) {
        // The usual choice of fillers leads to a control byte among the check characters (about one line
        // in a hundred, and long lines whose sum lands in a band where the first check character wraps
        // below 32). Look for the nearest sum whose check characters are safe and reach it by moving the
        // pairs' sums one pair at a time.
        for (std::size_t k = 1; k <= m; ++k)
            options[k - 1] = OptionsFor(static_cast<unsigned char>(text[k - 1]), k, k == m, false);
        std::int64_t minSum = 0, maxSum = 0;
        for (const auto& o : options) {
            int lo = o.front().sum, hi = o.front().sum;
            for (const PairOption& p : o) lo = std::min(lo, p.sum), hi = std::max(hi, p.sum);
            minSum += lo;
            maxSum += hi;
        }
        const std::int64_t base = sum;
        bool found = false;
        // Every pair adds the parity of (plain + k) whatever its filler, so only even steps can be reached.
        for (std::int64_t d = 2; !found && (base - d >= minSum || base + d <= maxSum); d += 2) {
            for (const std::int64_t target : {base + d, base - d}) {
                if (target < minSum || target > maxSum || !CheckCharsSafe(target)) continue;
                std::vector<std::size_t> pick(m, 0);
                std::int64_t rest = target - base;
                for (std::size_t j = 0; j < m && rest != 0; ++j) {
                    const auto& o = options[j];
                    const int current = o.front().sum;
                    std::size_t best = 0;
                    for (std::size_t q = 1; q < o.size(); ++q) {
                        const std::int64_t move = o[q].sum - current;
                        const std::int64_t bestMove = o[best].sum - current;
                        const bool towards =
                            rest > 0 ? (move > bestMove && move <= rest) : (move < bestMove && move >= rest);
                        if (towards) best = q;
                    }
                    pick[j] = best;
                    rest -= o[best].sum - current;
                }
                if (rest == 0) {
                    chosen = pick;
                    sum = target;
                    found = true;
                    break;
                }
            }
        }
        // Every text met so far finds a sum within a few steps; a text that did not would be a fault of
        // this coder, never of the text, so it is reported instead of written as a broken line.
        if (!found) throw std::logic_error("the labels line coder found no safe check characters");
    }

    const CheckChars check = CheckCharsOf(sum);
    std::string line;
    line.reserve(2 + 2 * m);
    line += static_cast<char>(check.first);
    line += static_cast<char>(check.second);
    for (std::size_t j = 0; j < m; ++j) {
        const PairOption& p = options[j][chosen[j]];
        line += static_cast<char>(p.filler);
        line += static_cast<char>(p.coded);
    }
    return line;
}
