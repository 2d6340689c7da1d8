// What the high-score dialog's logic does to its window, by control name; the Qt dialog
// implements it, tests record it. Positions and sizes are in twips.
#pragma once

#include <cstdint>
#include <string>

namespace zandor {

struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

class ScoresView {
public:
    virtual ~ScoresView() = default;

    // The screen, and the dialog window with its title bar and borders.
    virtual int screenWidth() const = 0;
    virtual int screenHeight() const = 0;
    virtual double twipsPerPixelX() const = 0;
    virtual double twipsPerPixelY() const = 0;
    virtual int width() const = 0;
    virtual int height() const = 0;
    virtual void move(int left, int top) = 0;
    virtual void setHeight(int height) = 0;
    virtual void setCaption(const std::string& caption) = 0;
    virtual void refresh() = 0;
    // Ends the modal showing once control is back in its event loop; must not destroy the
    // dialog logic, which may still be unwinding from a nested processEvents().
    virtual void close() = 0;

    // Drawing on the dialog's client area; colours are 0xRRGGBB.
    virtual void setDrawPosition(int x, int y) = 0;
    virtual void lineTo(int x, int y, std::uint32_t colour) = 0;

    // Controls.
    virtual bool isVisible(const std::string& control) const = 0;
    virtual void setVisible(const std::string& control, bool visible) = 0;
    virtual TwipsRect geometry(const std::string& control) const = 0;
    virtual void setTop(const std::string& control, int top) = 0;
    virtual void setDefaultButton(const std::string& button) = 0;
    virtual std::string text(const std::string& textBox) const = 0;
    virtual void setText(const std::string& textBox, const std::string& text) = 0;
    virtual void setMaxLength(const std::string& textBox, int length) = 0;
    virtual void setReadOnly(const std::string& textBox, bool readOnly) = 0;
    virtual void clearList(const std::string& list) = 0;
    virtual void addItem(const std::string& list, const std::string& item) = 0;
    virtual void copyPicture(const std::string& from, const std::string& to) = 0;
    virtual void setTimerEnabled(const std::string& timer, bool enabled) = 0;
    virtual void setTimerInterval(const std::string& timer, int milliseconds) = 0;

    // Runs the user-interface events waiting now (clicks, keys, timer ticks, repaints).
    virtual void processEvents() = 0;
    // Sleeps until a user-interface event comes or `seconds` have passed, then runs the events
    // waiting. The processor is free while it sleeps.
    virtual void waitForEvents(double seconds) = 0;
    // The time of day in seconds since midnight.
    virtual double secondsSinceMidnight() const = 0;
    // A message box with the application's title and an OK button.
    virtual void showMessage(const std::string& text) = 0;
};

} // namespace zandor
