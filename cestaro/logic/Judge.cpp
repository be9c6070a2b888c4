// The sum checks in their fixed order, and the apex test.
#include "Judge.h"

#include "HalfEven.h"

#include <optional>

namespace cestaro {
namespace {

std::optional<int> roundedSum(double left, double right) {
    const auto sum = tk::toInt16(left + right);
    return sum ? std::optional<int>(*sum) : std::nullopt;
}

} // namespace

Judge::Verdict Judge::judge(const Values& values, int dealtApex) {
    Verdict verdict;
    for (const int parent : Triangle::kSumOrder) {
        const auto sum =
            roundedSum(values[Triangle::leftChild(parent)], values[Triangle::rightChild(parent)]);
        verdict.sumChecks[parent] = sum && values[parent] == *sum;
    }
    const auto apexSum = roundedSum(values[2], values[3]);
    verdict.apexHolds = apexSum && dealtApex == *apexSum && values[Triangle::kApex] == dealtApex;
    verdict.right = verdict.apexHolds;
    for (int parent = 2; parent <= Triangle::kParents; ++parent)
        verdict.right = verdict.right && verdict.sumChecks[parent];
    return verdict;
}

} // namespace cestaro
