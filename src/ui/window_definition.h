#pragma once
// Windows are defined as data: each control with its kind, caption, place
// (in twips, 1440 to the inch) and tab index. One builder turns a table into
// controls at the window's DPI.
#include <span>
#include <string_view>
#include <vector>

namespace quorvane {

// DayGrid: the program's own month calendar, 7 columns by a weekday row and
// 6 weeks (ui/day_grid_win.h). Frame: a group box; the controls inside it
// lie beside it in the same window, placed relative to it, and are created
// right after it. Radio buttons one after another in tab order in the same
// container are one group: Tab stops once in it, the arrow keys move within
// it. The group's frame names it for a screen reader.
enum class ControlKind { CheckBox, PushButton, TextBox, Label, PictureBox, Frame, DayGrid, RadioButton };

enum ControlFlag : unsigned {
  kDefaultButton = 1u << 0,  // push buttons: Enter presses it
  kAutoSize = 1u << 1,       // labels: sized to the caption
  kWhite = 1u << 2,          // picture boxes: white, with white labels on them
  kSunken = 1u << 3,         // picture boxes: the standard sunken border
  kNotTabStop = 1u << 4,
};

struct ControlDefinition {
  std::string_view name;  // says what the control is, e.g. "drugNameBox"
  ControlKind kind;
  int id;
  int containerId;  // 0: lies directly on the window
  std::string_view caption;
  int left, top, width, height;  // twips, relative to the container's client area
  int tabIndex;
  unsigned flags = 0;
  int initialValue = 0;  // check boxes: 0 clear, 1 ticked, 2 grey; radio buttons: 1 chosen
};

struct WindowDefinition {
  std::string_view className;
  std::string_view caption;
  int clientWidth, clientHeight;  // twips
  std::span<const ControlDefinition> controls;
};

int TwipsToPixels(int twips, int dpi);

struct PixelSize {
  int width, height;
  friend bool operator==(const PixelSize&, const PixelSize&) = default;
};

// The client size after the window's DPI changed from oldDpi to newDpi. A
// window the user may resize keeps the size they gave it, scaled; any other
// window has its designed size at the new DPI.
PixelSize ClientSizeAfterDpiChange(const WindowDefinition& window, bool resizable, PixelSize current,
                                   int oldDpi, int newDpi);

// A control as the builder creates it.
struct PlacedControl {
  const ControlDefinition* definition;
  int hostId;        // the window that holds it: 0 for the window itself, or a picture box
  int left, top;     // twips in the host's client area
  bool startsGroup;  // WS_GROUP
  bool tabStop;      // WS_TABSTOP: once in each group of radio buttons
};

// Controls in the order to create them: the window's own controls by tab
// index, each frame's controls right after the frame, then each picture
// box's controls by tab index. Windows moves the focus in creation order,
// so this order is the tab order. A screen reader names a text box by the
// label created just before it: a label with the same tab index as a
// control that takes the focus comes first.
std::vector<PlacedControl> CreationOrder(const WindowDefinition& window);

// The id of the picture box that holds the control, or 0 for the window.
int HostOf(const WindowDefinition& window, const ControlDefinition& control);

// The ids of the radio buttons in the group of the control `id`; empty for
// any other control.
std::vector<int> RadioGroup(const WindowDefinition& window, int id);

// Labels, frames and controls marked kNotTabStop never take the focus; a
// picture box does, like a button.
bool TakesFocus(const ControlDefinition& control);

const ControlDefinition* FindControl(const WindowDefinition& window, int id);

}  // namespace quorvane
