#include "baseline_window.h"

#include <halvora/mainwindow/layout.h>
#include <halvora/mainwindow/window_state.h>

#include <QColor>
#include <QComboBox>
#include <QFont>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QStringList>
#include <QTime>
#include <QTimer>

#include <array>
#include <cmath>
#include <cstddef>

namespace halvora::bench {
namespace {

namespace layout = halvora::layout;

// The starting view: the today panel alone, at the top of the screen.
constexpr int start_outer_width = layout::designed_outer_width;
constexpr int start_outer_height = 900;

class Twips {
public:
    explicit Twips(const QScreen* screen)
        : dpi_x_(screen != nullptr ? screen->logicalDotsPerInchX() : 96.0)
        , dpi_y_(screen != nullptr ? screen->logicalDotsPerInchY() : 96.0) {}

    [[nodiscard]] int x(int twips) const {
        return static_cast<int>(std::lround(twips * dpi_x_ / 1440.0));
    }
    [[nodiscard]] int y(int twips) const {
        return static_cast<int>(std::lround(twips * dpi_y_ / 1440.0));
    }
    [[nodiscard]] QRect rect(const Rect& r) const {
        return QRect{x(r.left), y(r.top), x(r.width), y(r.height)};
    }

private:
    double dpi_x_;
    double dpi_y_;
};

QFont sans() {
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    return font;
}

QFont serif_bold() {
    QFont font;
    font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                      QStringLiteral("DejaVu Serif")});
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(12.0);
    font.setBold(true);
    return font;
}

void set_text_colour(QWidget& widget, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, colour);
    widget.setPalette(palette);
}

// Items of the same count and about the same length as the real lists'.
QStringList month_items() {
    return {QStringLiteral("január"),  QStringLiteral("február"),   QStringLiteral("március"),
            QStringLiteral("április"), QStringLiteral("május"),     QStringLiteral("június"),
            QStringLiteral("július"),  QStringLiteral("augusztus"), QStringLiteral("szeptember"),
            QStringLiteral("október"), QStringLiteral("november"),  QStringLiteral("december")};
}

QStringList day_items() {
    QStringList items;
    for (int day = 1; day <= 31; ++day) {
        items.append(QStringLiteral(" %1").arg(day));
    }
    return items;
}

QStringList name_items() {
    constexpr std::array<const char*, 12> heads{"Á",   "Be", "Cs", "Dé", "E",  "Gy",
                                                "Ilo", "Jó", "Ka", "Lõ", "Ma", "Zs"};
    constexpr std::array<const char*, 37> tails{
        "bel",  "ta",   "nka",  "ria",   "lint", "ka",   "nor",  "dit", "zsef", "rinc",
        "rton", "ofia", "lián", "bor",   "vin",  "szló", "tván", "nes", "dre",  "fia",
        "rcel", "tala", "ndor", "bella", "mos",  "lka",  "vid",  "ron", "tus",  "nát",
        "ella", "pád",  "rika", "ttila", "nõ",   "zsa",  "liána"};
    QStringList items;
    for (const char* tail : tails) {
        for (const char* head : heads) {
            if (items.size() == 436) {
                return items;
            }
            items.append(QString::fromUtf8(head) + QString::fromUtf8(tail));
        }
    }
    return items;
}

class BaselineWindow final : public QWidget {
public:
    explicit BaselineWindow(Tick tick);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* label(QWidget* parent, const Rect& place, const char* text);
    QFrame* frame(QWidget* parent, const QRect& place);
    QComboBox* combo(QWidget* parent, const Rect& place, const QStringList& items);
    QPushButton* button(const Rect& place, const char* caption);
    void busy_tick();

    Twips s_;
    QLabel* clock_ = nullptr;
    QLabel* title_ = nullptr;
    QTimer timer_;
    int step_ = 0;
};

BaselineWindow::BaselineWindow(Tick tick)
    : s_(QGuiApplication::primaryScreen()) {
    setWindowTitle(QStringLiteral("Halvora"));
    setFont(sans());
    resize(s_.x(start_outer_width), s_.y(start_outer_height));
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int screen_width = screen != nullptr ? screen->geometry().width() : 0;
    move((screen_width - width()) / 2, 0);

    label(this, layout::Label1[year_label], "2026. ");
    label(this, layout::Label1[month_label], "december");
    label(this, layout::Label1[day_label], " 5.");
    label(this, layout::Label1[weekday_label], "Szombat");
    clock_ = label(this, layout::Label1[clock_label], "07:05");
    QFont bold = font();
    bold.setBold(true);
    clock_->setFont(bold);
    set_text_colour(*label(this, layout::Label1[names_label], "Ábel napja"), Qt::red);

    QFrame* by_date = frame(this, s_.rect(layout::Frame1[date_panel]));
    auto* option1 = new QRadioButton(QStringLiteral("Névnap keresése dátum alapján"), by_date);
    option1->setGeometry(s_.rect(layout::Option1).translated(0, s_.y(80)));
    option1->setChecked(true);
    combo(by_date, layout::Combo1[month_list], month_items());
    combo(by_date, layout::Combo1[day_list], day_items());
    QFrame* names = frame(by_date, s_.rect(layout::Frame2));
    set_text_colour(*label(names, layout::Label2, ""), Qt::blue);

    QFrame* by_name = frame(this, s_.rect(layout::Frame1[name_panel]));
    auto* option2 = new QRadioButton(QStringLiteral("Dátum keresése keresztnév alapján"), by_name);
    option2->setGeometry(s_.rect(layout::Option2).translated(0, s_.y(80)));
    combo(by_name, layout::Combo2, name_items())->setEnabled(false);
    QFrame* dates = frame(by_name, s_.rect(layout::Frame3));
    set_text_colour(*label(dates, layout::Label3, ""), Qt::blue);

    button(layout::Command1, "Keresés");
    title_ = label(this, layout::Label4, "Label4");
    title_->setFont(serif_bold());
    title_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    button(layout::Command2, "Kilépés");

    timer_.setInterval(timer_interval_ms);
    if (tick == Tick::busy) {
        connect(&timer_, &QTimer::timeout, this, [this] { busy_tick(); });
    } else {
        connect(&timer_, &QTimer::timeout, this, [] {});
    }
}

void BaselineWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    timer_.start();
}

QLabel* BaselineWindow::label(QWidget* parent, const Rect& place, const char* text) {
    auto* widget = new QLabel(QString::fromUtf8(text), parent);
    widget->setGeometry(s_.rect(place));
    widget->setTextFormat(Qt::PlainText);
    widget->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return widget;
}

QFrame* BaselineWindow::frame(QWidget* parent, const QRect& place) {
    auto* widget = new QFrame(parent);
    widget->setFrameStyle(QFrame::Box | QFrame::Sunken);
    widget->setGeometry(place);
    return widget;
}

QComboBox* BaselineWindow::combo(QWidget* parent, const Rect& place, const QStringList& items) {
    auto* widget = new QComboBox(parent);
    widget->setGeometry(s_.rect(place));
    widget->setEditable(true);
    widget->setInsertPolicy(QComboBox::NoInsert);
    widget->addItems(items);
    return widget;
}

QPushButton* BaselineWindow::button(const Rect& place, const char* caption) {
    auto* widget = new QPushButton(QString::fromUtf8(caption), this);
    widget->setGeometry(s_.rect(place));
    return widget;
}

// The clock from the system's local time, and four letters of a fourteen-step
// running text in a random colour, as the program's title shows them.
void BaselineWindow::busy_tick() {
    clock_->setText(QTime::currentTime().toString(QStringLiteral("hh:mm")));
    static const QString text = QStringLiteral("   Dorvanta   ");
    step_ = step_ % 13 + 1;
    title_->setText(step_ == 13 ? QString{} : text.mid(step_ - 1, step_ + 3));
    QRandomGenerator& random = *QRandomGenerator::global();
    set_text_colour(*title_, QColor{static_cast<int>(random.bounded(256)),
                                    static_cast<int>(random.bounded(256)),
                                    static_cast<int>(random.bounded(256))});
}

} // namespace

std::unique_ptr<QWidget> make_baseline_window(Tick tick) {
    return std::make_unique<BaselineWindow>(tick);
}

} // namespace halvora::bench
