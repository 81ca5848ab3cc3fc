#pragma once

// Where every control of the two windows stands, as the forms were designed:
// in twips (1440 to the inch, 15 to a pixel at 96 dots per inch), measured
// from the top-left corner of the container, which is the client area, a
// frame's outer corner or the inside of Picture1. Captions are UTF-8.
// The windows convert these numbers once, with ToPixels, when they build.

#include <array>
#include <string_view>

#include <QRect>

namespace app {

inline constexpr int kTwipsPerPixel = 15;

struct Twips {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// Rounded to the nearest pixel; every number of both forms is a multiple of 15.
constexpr int TwipsToPixels(int twips) {
  return (twips >= 0 ? twips + kTwipsPerPixel / 2 : twips - kTwipsPerPixel / 2) / kTwipsPerPixel;
}

inline QRect ToPixels(const Twips& t) {
  return {TwipsToPixels(t.left), TwipsToPixels(t.top), TwipsToPixels(t.width),
          TwipsToPixels(t.height)};
}

enum class ControlKind { Frame, Label, TextBox, CommandButton, ListBox, PictureBox };

struct ControlEntry {
  std::string_view name;
  ControlKind kind;
  std::string_view container;  // empty for the client area
  std::string_view caption;    // a frame's title, a label's caption, a field's start text
  Twips twips;
  double point_size = 0.0;     // 0: the window's font
};

namespace form1 {

inline constexpr std::string_view kCaption =
    "Farkl\u0131 AiledenKesi\u015Fen \u015Foklar\u0131n P-Teta diyagram\u0131yla incelenmesi";
// The client area lies below the menu bar, as on the forms runtime.
inline constexpr int kClientWidth = 9615;
inline constexpr int kClientHeight = 7920;
inline constexpr std::string_view kMenuAbout = "About";

// Every label of a field row is 255 high, every field 285.
inline constexpr int kLabelHeight = 255;
inline constexpr int kFieldHeight = 285;

using K = ControlKind;

// Containers come before what they hold, so the table is also the build order.
inline constexpr auto kControls = std::to_array<ControlEntry>({
    {"Frame1", K::Frame, "", "", {120, 0, 1695, 1815}},
    {"Label1", K::Label, "Frame1", "M1 =", {480, 240, 495, kLabelHeight}},
    {"Text_M1", K::TextBox, "Frame1", "3", {960, 240, 495, kFieldHeight}},
    {"Label21", K::Label, "Frame1", "p1 =", {480, 600, 495, kLabelHeight}},
    {"Text_p1", K::TextBox, "Frame1", "1", {960, 600, 495, kFieldHeight}},
    {"Label2", K::Label, "Frame1", "Teta-A =", {240, 960, 615, kLabelHeight}},
    {"Text_TetaA", K::TextBox, "Frame1", "10", {960, 960, 495, kFieldHeight}},
    {"Label3", K::Label, "Frame1", "Teta-B =", {240, 1320, 615, kLabelHeight}},
    {"Text_TetaB", K::TextBox, "Frame1", "5", {960, 1320, 495, kFieldHeight}},

    {"Command1", K::CommandButton, "", "Calculate", {120, 1920, 1695, 375}},

    {"Frame2", K::Frame, "", "", {120, 2280, 1695, 1455}},
    {"Label10", K::Label, "Frame2", "Beta-A =", {120, 240, 735, kLabelHeight}},
    {"Text_BetaA", K::TextBox, "Frame2", "0", {840, 240, 615, kFieldHeight}},
    {"Label6", K::Label, "Frame2", "M2 =", {240, 600, 495, kLabelHeight}},
    {"Text_M2", K::TextBox, "Frame2", "0", {840, 600, 615, kFieldHeight}},
    {"Label8", K::Label, "Frame2", "p2 =", {240, 960, 495, kLabelHeight}},
    {"Text_p2", K::TextBox, "Frame2", "0", {840, 960, 615, kFieldHeight}},

    {"Frame3", K::Frame, "", "", {120, 3720, 1695, 1455}},
    {"Label11", K::Label, "Frame3", "Beta-B =", {120, 240, 735, kLabelHeight}},
    {"Text_BetaB", K::TextBox, "Frame3", "0", {840, 240, 615, kFieldHeight}},
    {"Label7", K::Label, "Frame3", "M3 =", {240, 600, 495, kLabelHeight}},
    {"Text_M3", K::TextBox, "Frame3", "0", {840, 600, 615, kFieldHeight}},
    {"Label9", K::Label, "Frame3", "p3 =", {240, 960, 495, kLabelHeight}},
    {"Text_p3", K::TextBox, "Frame3", "0", {840, 960, 615, kFieldHeight}},

    {"Picture1", K::PictureBox, "", "", {2040, 120, 5355, 4995}},
    {"Label5", K::Label, "Picture1", "p", {2640, 240, 375, 255}},
    // Symbol's "q" on the original; the Unicode theta in the ordinary font.
    {"Label4", K::Label, "Picture1", "\u03B8", {3840, 4560, 255, 255}, 8.25},

    {"Frame4", K::Frame, "", "Iteration results", {7440, 0, 2055, 5175}},
    {"Label12", K::Label, "Frame4", "Fi = ", {480, 600, 375, kLabelHeight}},
    {"Text_Fi", K::TextBox, "Frame4", "", {960, 600, 495, kFieldHeight}},

    {"Frame5", K::Frame, "Frame4", "", {120, 1200, 1695, 1815}},
    {"Label20", K::Label, "Frame5", "Teta-C =", {120, 240, 735, kLabelHeight}},
    {"Text_TetaC", K::TextBox, "Frame5", "", {840, 240, 615, kFieldHeight}},
    {"Label13", K::Label, "Frame5", "Beta-C =", {120, 600, 735, kLabelHeight}},
    {"Text_BetaC", K::TextBox, "Frame5", "0", {840, 600, 615, kFieldHeight}},
    {"Label15", K::Label, "Frame5", "M4 =", {240, 960, 495, kLabelHeight}},
    {"Text_M4", K::TextBox, "Frame5", "0", {840, 960, 615, kFieldHeight}},
    {"Label14", K::Label, "Frame5", "p4 =", {240, 1320, 495, kLabelHeight}},
    {"Text_p4", K::TextBox, "Frame5", "0", {840, 1320, 615, kFieldHeight}},

    {"Frame6", K::Frame, "Frame4", "", {120, 3120, 1695, 1815}},
    {"Label19", K::Label, "Frame6", "Teta-D =", {120, 240, 735, kLabelHeight}},
    {"Text_TetaD", K::TextBox, "Frame6", "", {840, 240, 615, kFieldHeight}},
    {"Label16", K::Label, "Frame6", "Beta-D =", {120, 600, 735, kLabelHeight}},
    {"Text_BetaD", K::TextBox, "Frame6", "0", {840, 600, 615, kFieldHeight}},
    {"Label18", K::Label, "Frame6", "M5 =", {240, 960, 495, kLabelHeight}},
    {"Text_M5", K::TextBox, "Frame6", "0", {840, 960, 615, kFieldHeight}},
    {"Label17", K::Label, "Frame6", "p5 =", {240, 1320, 495, kLabelHeight}},
    {"Text_p5", K::TextBox, "Frame6", "0", {840, 1320, 615, kFieldHeight}},

    {"List1", K::ListBox, "", "", {120, 5280, 9375, 2595}},
});

// The Tab order over the controls that take the focus; the window opens with
// the focus on the first.
inline constexpr auto kTabOrder = std::to_array<std::string_view>({
    "Picture1", "List1", "Text_TetaB", "Text_TetaA", "Text_M1", "Text_p1", "Text_M2",
    "Text_p2", "Text_BetaA", "Text_M3", "Text_p3", "Text_BetaB", "Command1", "Text_Fi",
    "Text_BetaC", "Text_p4", "Text_M4", "Text_BetaD", "Text_p5", "Text_M5", "Text_TetaD",
    "Text_TetaC",
});

}  // namespace form1

namespace form_about {

inline constexpr std::string_view kCaption = "About";
inline constexpr int kClientWidth = 3600;
inline constexpr int kClientHeight = 1770;
inline constexpr std::string_view kFontFamily = "Verdana";

struct AboutLine {
  std::string_view name;
  std::string_view text;
  Twips twips;
  int colour;  // 24-bit, red in the lowest byte; -1 for the default text colour
  double point_size;
};

inline constexpr int kDarkGreen = 32768;
inline constexpr int kBlue = 16711680;

inline constexpr auto kLabels = std::to_array<AboutLine>({
    {"Label2", "Program for solving the problem", {240, 120, 3135, 255}, kDarkGreen, 9.75},
    {"Label3", "Intersection of Shocks", {480, 360, 2535, 255}, kDarkGreen, 9.75},
    {"Label7", "Developed by the Shocks team", {480, 600, 2775, 255}, -1, 8.25},
    {"Label8", "March 2006", {1200, 840, 1095, 255}, -1, 8.25},
    {"Label4", "For comments and questions e-mail to", {120, 1080, 3375, 255}, -1, 8.25},
    {"Label5", "maintainers@shocks.invalid", {840, 1320, 1935, 255}, kBlue, 8.25},
});

}  // namespace form_about

// The light yellow of the diagram surface and the About window.
inline constexpr int kLightYellow = 12648447;

}  // namespace app
