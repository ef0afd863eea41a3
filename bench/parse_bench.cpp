// Parsing throughput: a generated Cookie text of about 2 MB with 100k items, parsed as a
// side is parsed in the window, beside a plain memchr split of the same bytes in the same
// run. Prints MB/s of both and their ratio.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "core/items/parse_items.h"

using namespace varimonde;

namespace {

std::string generateCookies(std::size_t items) {
    std::string text;
    text.reserve(items * 21);
    for (std::size_t i = 0; i < items; ++i) {
        text.append("_ga_k").append(std::to_string(i)).push_back('=');
        if (i % 10 == 0)
            text.append("GA1.2.%2F").append(std::to_string(i * 7919));
        else
            text.append("v").append(std::to_string(i * 2654435761u % 100000000));
        text.append("; ");
    }
    return text;
}

// The floor: cut at ";" and at the first "=", no copies.
std::size_t memchrSplit(const std::string& text) {
    std::size_t pairs = 0;
    const char* p = text.data();
    const char* end = p + text.size();
    while (p < end) {
        const char* semi = static_cast<const char*>(std::memchr(p, ';', static_cast<std::size_t>(end - p)));
        const char* stop = semi ? semi : end;
        if (std::memchr(p, '=', static_cast<std::size_t>(stop - p))) ++pairs;
        p = stop + 1;
    }
    return pairs;
}

template <class Work>
double bestSeconds(int runs, Work work) {
    double best = 1e9;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

}  // namespace

int main() {
    const std::string text = generateCookies(100000);
    const ProfileTexts cookies{"Cookies", ";", "="};
    const double megabytes = static_cast<double>(text.size()) / 1e6;
    std::size_t items = 0;
    std::size_t pairs = 0;
    const double parse =
        bestSeconds(5, [&] { items = parseItems(text, cookies, Side::One, {}, nullptr).items.size(); });
    const double parseDecode = bestSeconds(5, [&] {
        items = parseItems(text, cookies, Side::One, {.decode = true, .autoSort = true}, nullptr).items.size();
    });
    const double split = bestSeconds(20, [&] { pairs = memchrSplit(text); });
    std::printf("input: %.2f MB, %zu items (memchr split: %zu pairs)\n", megabytes, items, pairs);
    std::printf("parseItems:                 %8.1f MB/s  (%.1f ms)\n", megabytes / parse, parse * 1e3);
    std::printf("parseItems, decode + sort:  %8.1f MB/s  (%.1f ms)\n", megabytes / parseDecode, parseDecode * 1e3);
    std::printf("memchr split:               %8.1f MB/s  (%.2f ms)\n", megabytes / split, split * 1e3);
    std::printf("ratio parseItems / memchr:  %8.1fx slower\n", parse / split);
    std::printf("ratio with decode + sort:   %8.1fx slower\n", parseDecode / split);
    return 0;
}
