// ScoresForm: frmScores, the high-score dialog, as a Qt window. The table, the name entry and
// the animated banner at their designed places, driven by the dialog's logic (frmScores, in
// highscores/) through ScoresView; ScoresDialogFactory opens one for every showing.
#pragma once

#include "highscores/high_score_store.h"
#include "highscores/scores_dialog.h"
#include "highscores/scores_view.h"
#include "ui/framed_fit.h"
#include "ui/pictures.h"

#include <QDialog>
#include <QPixmap>
#include <QPoint>
#include <map>
#include <vector>

class QLabel;
class QPainter;
class QTimer;

namespace zandor::ui {

class Announcer;

class ScoresForm final : public QDialog, public ScoresView {
    Q_OBJECT
public:
    ScoresForm(Module2& store, const Pictures& pictures, QWidget* owner);

    // Starts Timer1 and runs Form_Load, which places the dialog and sets it up for the store's
    // mode; the first control of the tab order that shows takes the focus.
    void load();

    // ScoresView. Sizes and places are twips; width and height are the outer frame's.
    int screenWidth() const override;
    int screenHeight() const override;
    double twipsPerPixelX() const override;
    double twipsPerPixelY() const override;
    int width() const override;
    int height() const override;
    void move(int left, int top) override;
    void setHeight(int height) override;
    void setCaption(const std::string& caption) override;
    void refresh() override;
    void close() override;
    void setDrawPosition(int x, int y) override;
    void lineTo(int x, int y, std::uint32_t colour) override;
    using QDialog::isVisible;
    bool isVisible(const std::string& control) const override;
    using QDialog::setVisible;
    void setVisible(const std::string& control, bool visible) override;
    TwipsRect geometry(const std::string& control) const override;
    void setTop(const std::string& control, int top) override;
    void setDefaultButton(const std::string& button) override;
    std::string text(const std::string& textBox) const override;
    void setText(const std::string& textBox, const std::string& text) override;
    void setMaxLength(const std::string& textBox, int length) override;
    void setReadOnly(const std::string& textBox, bool readOnly) override;
    void clearList(const std::string& list) override;
    void addItem(const std::string& list, const std::string& item) override;
    void copyPicture(const std::string& from, const std::string& to) override;
    void setTimerEnabled(const std::string& timer, bool enabled) override;
    void setTimerInterval(const std::string& timer, int milliseconds) override;
    void processEvents() override;
    void waitForEvents(double seconds) override;
    double secondsSinceMidnight() const override;
    void showMessage(const std::string& text) override;

public slots:
    // Escape and the close box: the logic decides, as for its OK button.
    void reject() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void buildControls();
    template <typename T = QWidget>
    T* control(const std::string& name) const;
    void applyTimer();
    void describeRow(int row);
    void readNewEntry(const QString& name, const QString& score);

    frmScores logic_;
    std::map<std::string, QWidget*> controls_;
    std::vector<QWidget*> tabOrder_;
    QLabel* imgMain = nullptr;
    Announcer* announcer_ = nullptr; // tells a screen reader the player's new row
    // The banner frames Image1 (resting), Image2 and Image3 (the sparkles). They lie below the
    // client area in the design and are never seen, so they are kept as pictures only.
    std::map<std::string, QPixmap> pictures_;
    QTimer* Timer1 = nullptr;
    bool timerEnabled_ = true;
    int timerInterval_ = 3000;
    QPainter* painter_ = nullptr; // set only while Form_Paint runs
    QPoint drawPosition_;         // twips
    FramedFit* heightFit_ = new FramedFit(this);
    FramedFit* placeFit_ = new FramedFit(this);
};

} // namespace zandor::ui
