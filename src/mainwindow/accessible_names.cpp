#include "mainwindow/accessible_names.h"

#include <array>

namespace mainwindow {

namespace {

std::string withoutBlanks(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string()
                                      : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The figure a hand picture shows, as its option picture's tool tip names it.
std::string figureShown(const MainWindowControls& c, const platform::Picture& picture) {
    const std::array<const platform::Image*, 3> mirrored{&c.imgVs1, &c.imgVs2, &c.imgVs3};
    for (int index = 0; index < 3; ++index) {
        const platform::Image& option = c.imgOpt[index];
        if (picture == option.Picture.get() ||
            picture == mirrored.at(static_cast<std::size_t>(index))->Picture.get()) {
            return withoutBlanks(option.ToolTipText);
        }
    }
    return {};
}

}  // namespace

void nameControls(MainWindowControls& c) {
    c.lblWin.accessibleName = [&c] { return "Ganadas: " + c.lblWin.Caption.get(); };
    c.lblLose.accessibleName = [&c] { return "Perdidas: " + c.lblLose.Caption.get(); };
    c.Image1.accessibleName = [&c] { return "Tu mano: " + figureShown(c, c.Image1.Picture); };
    c.Image2.accessibleName = [&c] {
        return "Mano del ordenador: " + figureShown(c, c.Image2.Picture);
    };
    // The player's panel starts the game only while INICIAR shows.
    c.lblPlay[1].accessibleName = [&c] {
        return std::string(c.lblPlay[0].Visible ? "Panel del jugador: INICIAR"
                                                : "Panel del jugador");
    };
    c.lblReset[1].accessibleName = [] { return std::string("Panel del ordenador: REINICIAR"); };
}

std::string verdictDetails(const MainWindowControls& c) {
    return "El ordenador sacó " + figureShown(c, c.Image2.Picture) + ". " +
           c.lblWin.accessibleName() + ". " + c.lblLose.accessibleName();
}

}  // namespace mainwindow
