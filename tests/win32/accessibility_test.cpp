#include <oleacc.h>

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "accessible_expectations.h"
#include "platform/win32/accessibility_libraries.h"
#include "platform/win32/wide.h"
#include "recorded_annotations.h"
#include "win32_program_test.h"

namespace {

using platform::win32::ComReference;

// A VARIANT naming a child, or the window itself (0).
VARIANT childId(long id) {
    VARIANT child{};
    child.vt = VT_I4;
    child.lVal = id;
    return child;
}

std::string taken(BSTR text) {
    const std::string narrow = text != nullptr ? platform::win32::narrow(text) : std::string();
    SysFreeString(text);
    return narrow;
}

// The roles under the names AT-SPI gives them on Linux.
std::string roleName(long role) {
    for (const auto& [id, name] : {std::pair{ROLE_SYSTEM_PUSHBUTTON, "Button"},
                                   {ROLE_SYSTEM_GRAPHIC, "Graphic"},
                                   {ROLE_SYSTEM_STATICTEXT, "StaticText"},
                                   {ROLE_SYSTEM_STATUSBAR, "StatusBar"}}) {
        if (id == role) {
            return name;
        }
    }
    return std::to_string(role);
}

// What a screen reader hears of the window: the new names, and the status
// line's value at each of its changes.
std::vector<std::string> renamed;
std::vector<std::string> heard;

void CALLBACK listen(HWINEVENTHOOK /*hook*/, DWORD event, HWND window, LONG object, LONG child,
                     DWORD /*thread*/, DWORD /*time*/) {
    IAccessible* raw = nullptr;
    VARIANT said{};
    if (AccessibleObjectFromEvent(window, object, child, &raw, &said) != S_OK) {
        return;
    }
    const ComReference<IAccessible> changed(raw);
    BSTR text = nullptr;
    if (event == EVENT_OBJECT_NAMECHANGE) {
        changed->get_accName(said, &text);
        renamed.push_back(taken(text));
    } else if (event == EVENT_OBJECT_VALUECHANGE) {
        changed->get_accValue(said, &text);
        heard.push_back(taken(text));
    }
}

// The annotations outlive the program that asks for them.
struct Annotated {
    RecordedAnnotations annotated;
};

// As a screen reader reads the window, through oleacc from the outside.
class AccessibilityTest : public ::testing::Test, protected Annotated, protected HandedOver {
  protected:
    // Stops the test where the window gives none.
    static ComReference<IAccessible> client(const platform::Form& form) {
        void* raw = nullptr;
        const HRESULT read = AccessibleObjectFromWindow(
            hwndOf(form), static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible), &raw);
        if (read != S_OK || raw == nullptr) {
            throw std::runtime_error("no IAccessible: " + std::to_string(read));
        }
        return ComReference<IAccessible>(static_cast<IAccessible*>(raw));
    }
    ComReference<IAccessible> client() { return client(principal()); }

    // The children's numbers, as AccessibleChildren lists them.
    std::vector<long> childIds() {
        const auto window = client();
        long count = 0;
        window->get_accChildCount(&count);
        std::vector<VARIANT> children(static_cast<std::size_t>(count));
        long obtained = 0;
        AccessibleChildren(window.get(), 0, count, children.data(), &obtained);
        std::vector<long> ids;
        for (long i = 0; i < obtained; ++i) {
            ids.push_back(children[static_cast<std::size_t>(i)].lVal);
        }
        return ids;
    }

    // "name|role|press" for each child of the window, in reading order.
    std::vector<std::string> tree() {
        const auto window = client();
        std::vector<std::string> lines;
        for (const long id : childIds()) {
            BSTR name = nullptr;
            BSTR action = nullptr;
            VARIANT role{};
            window->get_accName(childId(id), &name);
            window->get_accRole(childId(id), &role);
            window->get_accDefaultAction(childId(id), &action);
            lines.push_back(taken(name) + "|" + roleName(role.lVal) +
                            (taken(action).empty() ? "" : "|press"));
        }
        return lines;
    }

    long childNamed(const std::string& name) {
        const auto ids = childIds();
        const auto lines = tree();
        const auto named = std::ranges::find_if(
            lines, [&name](const std::string& line) { return line.starts_with(name + "|"); });
        return named != lines.end() ? ids[static_cast<std::size_t>(named - lines.begin())] : 0;
    }
    std::array<long, 4> placeOf(long id) {  // x, y, width, height
        std::array<long, 4> place{};
        client()->accLocation(&place[0], &place[1], &place[2], &place[3], childId(id));
        return place;
    }
};

// The same children, names and announcements as every window system at the
// same moments; a press clicks on the next turn of the message loop, only
// where it acts; a name-change event for each new name and none else; each
// announcement a change of the status line's value, a polite live region.
TEST_F(AccessibilityTest, childrenAndAnnouncementsAsEveryWindowSystemHasThem) {
    heard.clear();
    const HWINEVENTHOOK hook =
        SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_VALUECHANGE, nullptr, listen,
                        GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    SendMessageW(hwndOf(principal()), WM_ACTIVATE, WA_ACTIVE, 0);
    nextTurn();
    EXPECT_EQ(tree(), accessible_expectations::kWelcome);
    BSTR name = nullptr;
    client()->get_accName(childId(CHILDID_SELF), &name);
    EXPECT_EQ(taken(name), "ZUMBILO");
    ASSERT_EQ(annotated.annotations.size(), 1U);
    const RecordedAnnotations::Annotation polite = annotated.annotations.front();
    EXPECT_EQ(polite.window, hwndOf(principal()));
    EXPECT_EQ(polite.child, static_cast<DWORD>(childNamed("BIENVENIDO")));
    EXPECT_EQ(polite.property.Data1, 0xc12bcd8eU);  // LiveSetting
    EXPECT_EQ(polite.value, 1);                     // polite

    renamed.clear();
    EXPECT_EQ(client()->accDoDefaultAction(childId(childNamed("INICIAR"))), S_OK);
    EXPECT_EQ(c().lblGame.Caption.get(), "BIENVENIDO");
    nextTurn();
    EXPECT_EQ(tree(), accessible_expectations::kChoosing);
    testing_support::moveTo(c().lblGame);  // six property writes, no new name
    nextTurn();
    EXPECT_EQ(renamed, (std::vector<std::string>{"ELIGE UNA FIGURA", "Panel del jugador"}));

    rt.random.script({accessible_expectations::kScissorsDrawn});
    key(L'9');
    ticks(6);
    EXPECT_EQ(client()->accDoDefaultAction(childId(childNamed("Acerca del juego."))), E_INVALIDARG)
        << "covered by the player's hand";
    SendMessageW(hwndOf(principal()), WM_ACTIVATE, WA_ACTIVE, 0);  // only the first time
    nextTurn();
    UnhookWinEvent(hook);
    EXPECT_EQ(tree(), accessible_expectations::kRockBeatsScissors);
    EXPECT_EQ(heard, accessible_expectations::kHeard);
}

// A child's number stays its own whatever comes and goes; points outside the
// window are none of its business; every [out] value is set on every path,
// even where a caller left rubbish in it.
TEST_F(AccessibilityTest, numbersStayPutAndEveryAnswerIsWhole) {
    const long restartPanel = childNamed("Panel del ordenador: REINICIAR");
    click(c().lblPlay[0]);
    EXPECT_EQ(childNamed("Panel del ordenador: REINICIAR"), restartPanel);
    const auto window = client();
    VARIANT hit{};
    hit.vt = VT_I4;
    RECT outer{};
    GetWindowRect(hwndOf(principal()), &outer);
    EXPECT_EQ(window->accHitTest(outer.right + 5, outer.bottom + 5, &hit), S_FALSE);
    EXPECT_EQ(hit.vt, VT_EMPTY);
    const auto [x, y, width, height] = placeOf(childNamed("TIJERAS"));
    EXPECT_EQ(window->accHitTest(x + width / 2, y + height / 2, &hit), S_OK);
    EXPECT_EQ(hit.lVal, childNamed("TIJERAS"));

    auto* const rubbish = reinterpret_cast<BSTR>(0x1);  // NOLINT: a caller's stale value
    for (const long id : {long{CHILDID_SELF}, 999L}) {
        BSTR description = rubbish;
        BSTR value = rubbish;
        VARIANT role{};
        role.vt = VT_I4;
        EXPECT_NE(window->get_accDescription(childId(id), &description), S_OK);
        EXPECT_NE(window->get_accValue(childId(id), &value), S_OK);
        EXPECT_EQ(description, nullptr);
        EXPECT_EQ(value, nullptr);
        if (id != CHILDID_SELF) {
            EXPECT_EQ(window->get_accRole(childId(id), &role), E_INVALIDARG);
            EXPECT_EQ(role.vt, VT_EMPTY);
        }
    }
    BSTR description = nullptr;
    EXPECT_EQ(window->get_accDescription(childId(childNamed("PAPEL")), &description), S_FALSE)
        << "its tool tip is its name";
}

// The start-up window goes by the game's name on the taskbar, in Alt+Tab and
// to screen readers; at 200 % a child's place is where it is drawn.
TEST_F(AccessibilityTest, theStartUpWindowIsZumbiloAndPlacesFollowTheScale) {
    Win32Program program;
    std::array<wchar_t, 16> title{};
    GetWindowTextW(hwndOf(program.inicio()), title.data(), static_cast<int>(title.size()));
    EXPECT_EQ(std::wstring(title.data()), L"Zumbilo");
    BSTR name = nullptr;
    client(program.inicio())->get_accName(childId(CHILDID_SELF), &name);
    EXPECT_EQ(taken(name), "Zumbilo");

    moveToScale(principal(), 192);
    POINT origin{};
    ClientToScreen(hwndOf(principal()), &origin);
    EXPECT_EQ(placeOf(childNamed("INICIAR")),
              (std::array<long, 4>{origin.x + 32, origin.y + 240, 306, 50}));
}

}  // namespace
