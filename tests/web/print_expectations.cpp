// Prints what assistive technology meets in the main window, for the browser's tests: each
// moment of accessible_expectations.h as a line "[moment]" and its children's lines, then
// "[heard]" and what a screen reader hears.
#include <cstdio>
#include <string>
#include <vector>

#include "accessible_expectations.h"

namespace {

void print(const char* moment, const std::vector<std::string>& lines) {
    std::printf("[%s]\n", moment);
    for (const std::string& line : lines) {
        std::printf("%s\n", line.c_str());
    }
}

}  // namespace

int main() {
    print("welcome", accessible_expectations::kWelcome);
    print("choosing", accessible_expectations::kChoosing);
    print("rockBeatsScissors", accessible_expectations::kRockBeatsScissors);
    print("heard", accessible_expectations::kHeard);
    return 0;
}
