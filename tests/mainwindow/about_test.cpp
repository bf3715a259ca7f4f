#include <algorithm>

#include "program_test.h"

namespace {

using AboutBoxTest = MainWindowTest;

// Hidden before the first new play; then each click opens the box, owned by
// the main window, with the title alone, the main window's icon and the two
// lines; nothing can be pressed behind it, and a key waits until it is closed.
TEST_F(AboutBoxTest, questionMarkOpensTheBoxModalWithTitleTextAndIconEachTime) {
    click(c().cmdAbout);
    EXPECT_TRUE(rt.aboutBox.shown.empty());

    click(c().lblPlay[0]);
    const auto paperPressable = [&] {
        const platform::AccessibleTree tree = principal().accessibleTree();
        return std::find_if(
                   tree.children.begin(), tree.children.end(),
                   [](const platform::AccessibleNode& node) { return node.name == "PAPEL"; })
            ->pressable;
    };
    bool pressableWhileOpen = true;
    rt.aboutBox.whileOpen = [&] { pressableWhileOpen = paperPressable(); };
    click(c().cmdAbout);
    EXPECT_FALSE(pressableWhileOpen);
    EXPECT_TRUE(paperPressable());
    bool choseWhileOpen = true;
    rt.aboutBox.whileOpen = [&] {
        key('8');
        choseWhileOpen = c().tmrHands.Enabled;
    };
    click(c().cmdAbout);
    EXPECT_FALSE(choseWhileOpen);
    EXPECT_TRUE(c().tmrHands.Enabled);
    ASSERT_EQ(rt.aboutBox.shown.size(), 2U);
    for (const auto& shown : rt.aboutBox.shown) {
        EXPECT_EQ(shown.owner, &principal());
        EXPECT_EQ(shown.title, "Zumbilo");
        EXPECT_EQ(shown.text, "Velmarin\r\nZumbilo: Versi\xC3\xB3n 3.5");
        EXPECT_EQ(shown.icon, principal().Icon());
    }
    EXPECT_FALSE(principal().Icon().empty());
}

}  // namespace
