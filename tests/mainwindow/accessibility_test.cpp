#include <algorithm>
#include <string>
#include <vector>

#include "program_test.h"

namespace {

using platform::AccessibleNode;
using testing_support::RecordingWindowSystem;

// What each moment of a play shows assistive technology is checked through
// every window system's own interfaces, against accessible_expectations.h.
class AccessibilityTest : public MainWindowTest {
  protected:
    int idOf(const std::string& name) {
        const auto children = principal().accessibleTree().children;
        const auto found =
            std::find_if(children.begin(), children.end(),
                         [&name](const AccessibleNode& node) { return node.name == name; });
        return found != children.end() ? found->id : -1;
    }
    std::vector<platform::AccessibleUpdate>& updates() {
        return RecordingWindowSystem::viewOf(principal()).updates;
    }
};

// A press clicks only what the pointer reaches, never while a button is held;
// ids outlive what covers them; only real changes are handed on.
TEST_F(AccessibilityTest, pressesReachWhatThePointerDoesAndOnlyChangesAreHandedOn) {
    const int start = idOf("INICIAR");
    const int restartPanel = idOf("Panel del ordenador: REINICIAR");
    const auto [x, y] = centreOf(c().lblGame);
    principal().mouseDown(x, y, platform::kLeftButton, 0);
    EXPECT_FALSE(principal().pressAccessible(start));
    principal().mouseUp(x, y, platform::kLeftButton, 0);
    EXPECT_TRUE(principal().pressAccessible(start));
    EXPECT_FALSE(principal().pressAccessible(start)) << "hidden now";
    key('8');
    EXPECT_FALSE(principal().pressAccessible(idOf("TIJERAS")));
    EXPECT_EQ(idOf("TIJERAS"), -1) << "covered by the player's hand";
    const auto [handX, handY] = centreOf(c().Image1);
    const platform::AccessibleTree tree = principal().accessibleTree();
    const AccessibleNode* underPointer = tree.childAt(principal(), handX, handY);
    ASSERT_NE(underPointer, nullptr);
    EXPECT_EQ(underPointer->name, "Tu mano: TIJERAS");
    EXPECT_EQ(tree.childAt(principal(), -1, -1), nullptr);
    EXPECT_FALSE(principal().pressAccessible(idOf("Tu mano: TIJERAS")))
        << "a click on the hand does nothing while it shakes";
    EXPECT_EQ(idOf("Panel del ordenador: REINICIAR"), restartPanel);

    ticks(6);
    updates().clear();
    moveTo(c().lblGame);  // six writes, none that a screen reader sees
    EXPECT_TRUE(updates().empty());
    moveTo(c().Image1);
    click(c().Image1);
    ASSERT_EQ(updates().size(), 1U) << "one update for the whole handler";
    const platform::AccessibleUpdate& update = updates().front();
    EXPECT_EQ(update.announcement, "ELIGE UNA FIGURA");
    EXPECT_TRUE(update.reordered);
    EXPECT_EQ(update.renamed, std::vector<int>{idOf("ELIGE UNA FIGURA")});
}

}  // namespace
