// SPDX-License-Identifier: GPL-3.0-or-later
// The sum checks in their fixed order, the apex test, and whether the givens fix the apex.
#include "cestaro/logic/Judge.h"

#include "toolkit/core/HalfEven.h"

#include <cstdint>
#include <numeric>
#include <utility>
#include <vector>

namespace cestaro {
namespace {

constexpr int kBase = Triangle::kRows;
// The weights of the five base cells (11..15) in a cell's value.
using Weights = std::array<std::int64_t, kBase>;

std::array<Weights, Triangle::kCells + 1> cellWeights() {
    std::array<Weights, Triangle::kCells + 1> w{};
    for (int i = 0; i < kBase; ++i)
        w[static_cast<std::size_t>(Triangle::kFirstBaseCell + i)][static_cast<std::size_t>(i)] = 1;
    for (const int parent : Triangle::kSumOrder)
        for (std::size_t i = 0; i < kBase; ++i)
            w[static_cast<std::size_t>(parent)][i] =
                w[static_cast<std::size_t>(Triangle::leftChild(parent))][i] +
                w[static_cast<std::size_t>(Triangle::rightChild(parent))][i];
    return w;
}

// Rank of the rows by integer elimination; each row is divided by the gcd of its entries after every step,
// so the small weights (at most 6) stay small.
int rank(std::vector<Weights> rows) {
    int found = 0;
    for (std::size_t col = 0; col < kBase && static_cast<std::size_t>(found) < rows.size(); ++col) {
        const auto pivotRow = static_cast<std::size_t>(found);
        std::size_t p = pivotRow;
        while (p < rows.size() && rows[p][col] == 0)
            ++p;
        if (p == rows.size()) continue;
        std::swap(rows[pivotRow], rows[p]);
        const Weights& pivot = rows[pivotRow];
        for (std::size_t r = pivotRow + 1; r < rows.size(); ++r) {
            const std::int64_t factor = rows[r][col];
            if (factor == 0) continue;
            std::int64_t divisor = 0;
            for (std::size_t i = 0; i < kBase; ++i) {
                rows[r][i] = rows[r][i] * pivot[col] - pivot[i] * factor;
                divisor = std::gcd(divisor, rows[r][i]);
            }
            if (divisor > 1)
                for (std::int64_t& x : rows[r])
                    x /= divisor;
        }
        ++found;
    }
    return found;
}

std::optional<int> roundedSum(double left, double right) {
    const auto sum = tk::toInt16(left + right);
    return sum ? std::optional<int>(*sum) : std::nullopt;
}

} // namespace

Judge::Verdict Judge::judge(const Values& values, std::optional<int> dealtApex) {
    Verdict verdict;
    for (const int parent : Triangle::kSumOrder) {
        const auto sum =
            roundedSum(values[Triangle::leftChild(parent)], values[Triangle::rightChild(parent)]);
        verdict.sumChecks[parent] = sum && values[parent] == *sum;
    }
    if (dealtApex) {
        const auto apexSum = roundedSum(values[2], values[3]);
        verdict.apexHolds = apexSum && *dealtApex == *apexSum && values[Triangle::kApex] == *dealtApex;
    } else {
        verdict.apexHolds = verdict.sumChecks[Triangle::kApex];
    }
    verdict.right = verdict.apexHolds;
    for (int parent = 2; parent <= Triangle::kParents; ++parent)
        verdict.right = verdict.right && verdict.sumChecks[parent];
    return verdict;
}

bool Judge::apexFixedBy(const Givens& givens) {
    static const auto weights = cellWeights();
    std::vector<Weights> rows;
    for (int n = 1; n <= Triangle::kCells; ++n)
        if (givens[static_cast<std::size_t>(n)]) rows.push_back(weights[static_cast<std::size_t>(n)]);
    const int without = rank(rows);
    rows.push_back(weights[Triangle::kApex]);
    return rank(rows) == without;
}

} // namespace cestaro
