// Times the side comparison in its four matching modes and the name sort at 10k and 100k
// items per side, in one run, and prints time(100k) / time(10k) for each. Linear work gives
// a ratio near 10; n log n a little more; quadratic work would give about 100.
//
// The names are cookie-like ("_ga_XXXX", "sess_<n>", ...); most are shared between the two
// sides, some only on one side, some shared with another value or another letter case.
//
// The table is printed twice. First with the allocator as it comes: a 100k run then gets
// most of its memory freshly mapped from the system and pays a page fault per 4 KB page
// touched, which on virtual machines can cost as much as the work itself, while a 10k run
// reuses heap memory. Then with the allocator told to keep freed memory (as a long-running
// process ends up doing), which shows how the work itself grows.
#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "core/compare/compare_sides.h"
#include "core/ordering/list_ordering.h"

namespace {

using varimonde::MatchOptions;
using varimonde::SideRows;

struct Sides {
    std::vector<std::string> names1, values1, names2, values2;
    SideRows rows1, rows2;
};

std::string randomText(std::mt19937& random, std::size_t length, const char* alphabet) {
    const std::string_view letters(alphabet);
    std::string text;
    for (std::size_t k = 0; k < length; ++k) text += letters[random() % letters.size()];
    return text;
}

std::string cookieName(std::mt19937& random, std::size_t n) {
    static const char* const kAlnum = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    static const char* const kHex = "0123456789abcdef";
    switch (n % 5) {
        case 0:
            return "_ga_" + randomText(random, 4, kAlnum) + std::to_string(n);
        case 1:
            return "sess_" + std::to_string(n);
        case 2:
            return "Hm_lvt_" + randomText(random, 12, kHex);
        case 3:
            return "uid" + std::to_string(n * 7919 % 1000003);
        default:
            return "pref_" + randomText(random, 3, kAlnum) + "_" + std::to_string(n);
    }
}

Sides makeSides(std::size_t count) {
    static const char* const kBase64 = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::mt19937 random(static_cast<unsigned>(count));
    Sides sides;
    for (std::size_t n = 0; n < count; ++n) {
        const std::string name = cookieName(random, n);
        const std::string value = randomText(random, 10 + random() % 30, kBase64);
        sides.names1.push_back(name);
        sides.values1.push_back(value);
        const unsigned roll = random() % 100;
        if (roll < 70) {  // shared, same value
            sides.names2.push_back(name);
            sides.values2.push_back(value);
        } else if (roll < 80) {  // shared, another value
            sides.names2.push_back(name);
            sides.values2.push_back(value + "x");
        } else if (roll < 85) {  // shared in another letter case
            std::string upper = name;
            std::transform(upper.begin(), upper.end(), upper.begin(), [](char c) { return std::toupper(c); });
            sides.names2.push_back(upper);
            sides.values2.push_back(value);
        } else {  // only on side 2
            sides.names2.push_back(cookieName(random, n + count));
            sides.values2.push_back(value);
        }
    }
    std::shuffle(sides.names2.begin(), sides.names2.end(), random);
    for (const std::string& name : sides.names1) sides.rows1.names.push_back(name);
    for (const std::string& value : sides.values1) sides.rows1.values.push_back(value);
    for (const std::string& name : sides.names2) sides.rows2.names.push_back(name);
    for (const std::string& value : sides.values2) sides.rows2.values.push_back(value);
    return sides;
}

// The fastest of several runs, in seconds.
double bestSeconds(int runs, const std::function<std::size_t()>& work) {
    double best = 1e9;
    std::size_t sink = 0;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        sink += work();
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        best = std::min(best, elapsed.count());
    }
    if (sink == static_cast<std::size_t>(-1)) std::puts("");
    return best;
}

struct Case {
    const char* label;
    std::function<std::size_t(const Sides&)> work;
};

std::function<std::size_t(const Sides&)> comparison(MatchOptions options) {
    return [options](const Sides& sides) {
        const auto result = varimonde::compareSides(sides.rows1, sides.rows2, options);
        return result.missingOnSide1.size() + result.missingOnSide2.size() + result.differences.size();
    };
}

double printTable(const char* title, const std::vector<Case>& cases, const Sides& small, const Sides& large) {
    std::printf("%s\n%-38s %12s %12s %8s\n", title, "case", "10k (ms)", "100k (ms)", "ratio");
    double worst = 0;
    for (const Case& c : cases) {
        const double smallTime = bestSeconds(30, [&] { return c.work(small); });
        const double largeTime = bestSeconds(7, [&] { return c.work(large); });
        const double ratio = largeTime / smallTime;
        worst = std::max(worst, ratio);
        std::printf("%-38s %12.2f %12.2f %8.2f\n", c.label, smallTime * 1e3, largeTime * 1e3, ratio);
    }
    std::printf("largest ratio %.2f (goal: at most 15)\n\n", worst);
    return worst;
}

}  // namespace

int main() {
    const Sides small = makeSides(10'000);
    const Sides large = makeSides(100'000);
    const std::vector<Case> cases = {
        {"compareSides exact, case-sensitive", comparison({true, true, true})},
        {"compareSides prefix, case-sensitive", comparison({true, false, true})},
        {"compareSides exact, case folded", comparison({false, true, true})},
        {"compareSides contains, case folded", comparison({false, false, true})},
        {"nameSortPlacement", [](const Sides& sides) { return varimonde::nameSortPlacement(sides.names2).size(); }},
    };
    printTable("allocator as it comes", cases, small, large);
    mallopt(M_MMAP_THRESHOLD, 1 << 30);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    printTable("allocator keeping freed memory", cases, small, large);
    return 0;
}
