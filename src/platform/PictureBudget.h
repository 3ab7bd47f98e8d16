#pragma once
// How much pixel memory the replacement pictures beside the program may take together. A
// picture is counted under its name, so loading the same picture again (the bonus room each
// time the bonus game opens) replaces its share instead of adding to it.

#include <map>
#include <string>

namespace varnholt {

// 32 million pixels at four bytes each: some forty times what a full set of our own pictures
// takes, and a bound on what a folder of hostile pictures can cost.
inline constexpr long long kReplacementPictureBudgetBytes = 128LL << 20;

class PictureBudget {
public:
    explicit PictureBudget(long long bytes) : bytes_(bytes) {}

    // The bytes the picture called `name` may take, with every other picture's share kept.
    long long allowanceFor(const std::string &name) const;
    // Records what the picture called `name` now takes (0 when it was refused).
    void record(const std::string &name, long long bytes);

private:
    long long bytes_;
    std::map<std::string, long long> shares_; // by name in lower case
};

// The budget shared by every replacement picture of this run.
PictureBudget &replacementPictureBudget();

} // namespace varnholt
