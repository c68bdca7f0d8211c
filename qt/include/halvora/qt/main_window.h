// The main window Form1 as real widgets: every control at its designed place,
// with its caption, colour and font, bound to the window logic. The user's
// mouse, keyboard and focus changes reach the logic only as the window's
// events: clicks, mouse downs, the lists' validation, the timer's ticks.
#pragma once

#include <halvora/mainwindow/control_arrays.h>
#include <halvora/qt/twips.h>

#include <QPointer>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTimer;

namespace halvora {
class Form1;
}

namespace halvora::qt {

class ComboBinding;
class FrameBox;
class MouseLabel;
class PaintedLabel;

class MainWindow final : public QWidget {
    Q_OBJECT
public:
    MainWindow();
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    void bind(Form1& form);
    // Cuts every tie to the logic; the widgets stay as they are.
    void unbind();

    // Runs one of the logic's handlers. An exception ends here: it must not
    // reach Qt's event loop.
    void run(const std::function<void()>& handler);

    void start_timer();
    void stop_timer();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    // Option1, Option2, the three lists, Command1 and Command2.
    [[nodiscard]] std::array<QWidget*, 7> focus_order() const;
    void set_tab_order();
    void offer_focus();
    void connect_events();
    [[nodiscard]] Scale scale() const;
    [[nodiscard]] float twips_x(double px) const;
    [[nodiscard]] float twips_y(double px) const;
    void option_clicked(int which);

    Form1* form_ = nullptr;
    int running_ = 0; // depth of handlers running

    std::array<MouseLabel*, label1_count> label1_{};
    std::array<FrameBox*, frame1_count> frame1_{};
    QRadioButton* option1_ = nullptr;
    QRadioButton* option2_ = nullptr;
    std::array<QComboBox*, combo1_count> combo1_{};
    QComboBox* combo2_ = nullptr;
    FrameBox* frame2_ = nullptr;
    FrameBox* frame3_ = nullptr;
    QLabel* label2_ = nullptr;
    QLabel* label3_ = nullptr;
    QPushButton* command1_ = nullptr;
    PaintedLabel* label4_ = nullptr;
    QPushButton* command2_ = nullptr;
    QTimer* timer_ = nullptr;

    std::vector<QPointer<ComboBinding>> combo_bindings_;
    std::vector<QMetaObject::Connection> connections_;
};

} // namespace halvora::qt
