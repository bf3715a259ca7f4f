#include <oleacc.h>

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "platform/win32/form_accessible.h"
#include "platform/win32/wide.h"
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

// As a screen reader reads the window, through oleacc.
class AccessibilityTest : public MainWindowTest {
  protected:
    // Stops the test where the window gives none.
    ComReference<IAccessible> client() {
        void* raw = nullptr;
        const HRESULT read = AccessibleObjectFromWindow(
            hwndOf(principal()), static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible), &raw);
        if (read != S_OK || raw == nullptr) {
            throw std::runtime_error("no IAccessible: " + std::to_string(read));
        }
        return ComReference<IAccessible>(static_cast<IAccessible*>(raw));
    }

    // "name|role|press" for each child of the window, front to back.
    std::vector<std::string> tree() {
        const auto window = client();
        long count = 0;
        window->get_accChildCount(&count);
        std::vector<std::string> lines;
        for (long id = 1; id <= count; ++id) {
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
        const auto lines = tree();
        const auto named = std::ranges::find_if(
            lines, [&name](const std::string& line) { return line.starts_with(name + "|"); });
        return named != lines.end() ? static_cast<long>(named - lines.begin()) + 1 : 0;
    }

    HRESULT press(const std::string& name) {
        return client()->accDoDefaultAction(childId(childNamed(name)));
    }
};

std::vector<std::string> heard;

void CALLBACK listen(HWINEVENTHOOK /*hook*/, DWORD event, HWND window, LONG object, LONG child,
                     DWORD /*thread*/, DWORD /*time*/) {
    IAccessible* raw = nullptr;
    VARIANT said{};
    if (event == EVENT_OBJECT_LIVEREGIONCHANGED &&
        AccessibleObjectFromEvent(window, object, child, &raw, &said) == S_OK) {
        const ComReference<IAccessible> status(raw);
        BSTR value = nullptr;
        status->get_accValue(said, &value);
        heard.push_back(taken(value));
    }
}

// The same names and roles as on Linux at the same moments; nothing out of the
// pointer's reach, and its place on the screen. A press clicks on the next turn
// of the message loop, and only where the pointer could. A screen reader hears
// the status when the window first comes forward, each new status, the verdict
// with the computer's figure and the score.
TEST_F(AccessibilityTest, childrenAreNamedPressedAndHeardAsOnLinux) {
    heard.clear();
    const HWINEVENTHOOK hook =
        SetWinEventHook(EVENT_OBJECT_LIVEREGIONCHANGED, EVENT_OBJECT_LIVEREGIONCHANGED, nullptr,
                        listen, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    SendMessageW(hwndOf(principal()), WM_ACTIVATE, WA_ACTIVE, 0);
    nextTurn();
    const auto window = client();
    BSTR name = nullptr;
    window->get_accName(childId(CHILDID_SELF), &name);
    EXPECT_EQ(taken(name), principal().Caption.get());
    std::array<long, 4> place{};  // x, y, width, height
    window->accLocation(&place[0], &place[1], &place[2], &place[3], childId(childNamed("INICIAR")));
    POINT origin{};
    ClientToScreen(hwndOf(principal()), &origin);
    EXPECT_EQ(place, (std::array<long, 4>{origin.x + 16, origin.y + 120, 153, 25}));

    rt.random.script({0.1F});  // the rock, beaten by the paper
    EXPECT_EQ(press("INICIAR"), S_OK);
    EXPECT_EQ(c().lblGame.Caption.get(), "BIENVENIDO");
    nextTurn();
    EXPECT_EQ(c().lblGame.Caption.get(), "ELIGE UNA FIGURA");
    EXPECT_EQ(childNamed("INICIAR"), 0) << "covered by the options";
    // A modal box disables the window: nothing can be pressed through it.
    const long about = childNamed("?");
    EnableWindow(hwndOf(principal()), FALSE);
    VARIANT state{};
    client()->get_accState(childId(about), &state);
    EXPECT_NE(state.lVal & STATE_SYSTEM_UNAVAILABLE, 0);
    EXPECT_NE(client()->accDoDefaultAction(childId(about)), S_OK);
    EnableWindow(hwndOf(principal()), TRUE);
    EXPECT_EQ(press("?"), S_OK);
    nextTurn();
    EXPECT_EQ(rt.aboutBox.shown.size(), 1U);

    click(c().imgOpt[0]);
    ticks(6);
    nextTurn();
    SendMessageW(hwndOf(principal()), WM_ACTIVATE, WA_ACTIVE, 0);
    nextTurn();
    UnhookWinEvent(hook);
    EXPECT_EQ(tree(), (std::vector<std::string>{
                          "Tu mano: PAPEL|Button|press", "Mano del ordenador: PIEDRA|Graphic",
                          "Panel del ordenador: REINICIAR|Button|press",
                          "Panel del jugador: INICIAR|Button|press", "Perdidas: 0|StaticText",
                          "Ganadas: 1|StaticText", "GANASTE|StatusBar", "VS.|StaticText"}));
    EXPECT_EQ(heard, (std::vector<std::string>{
                         "BIENVENIDO", "ELIGE UNA FIGURA",
                         "GANASTE. El ordenador sacó PIEDRA. Ganadas: 1. Perdidas: 0"}));
}

}  // namespace
