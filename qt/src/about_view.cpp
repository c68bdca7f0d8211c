#include <halvora/qt/about_view.h>
#include <halvora/qt/look.h>
#include <halvora/qt/text.h>
#include <halvora/qt/twips.h>
#include <halvora/qt/widgets.h>

#include <QPainter>

#include <algorithm>

namespace halvora::qt {

AboutWindow::AboutWindow(const about& box, QPoint origin)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("about"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(QStringLiteral("Névjegy"));
    setWindowIcon(program_icon());
    setFont(sans_font());
    setAccessibleName(QStringLiteral("Névjegy"));

    const Scale scale = Scale::of(screen());
    setFixedSize(scale.px_x(about_layout::client_width), scale.px_y(about_layout::client_height));
    move(origin + QPoint{scale.px_x(box.left()), scale.px_y(box.top())});

    auto* frame = new FrameBox(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->place(scale.px(about_layout::Frame1));
    connect(frame, &FrameBox::clicked, this, [this] { Q_EMIT clicked(Part::frame); });

    const auto add_label = [&](const char* name, const Rect& place, Part part) {
        auto* label = new MouseLabel(frame);
        label->setObjectName(QString::fromLatin1(name));
        label->setGeometry(scale.px(place).translated(frame->child_origin()));
        connect(label, &MouseLabel::clicked, this, [this, part] { Q_EMIT clicked(part); });
        return label;
    };
    MouseLabel* picture = add_label("Picture1", about_layout::Picture1, Part::picture);
    picture->setPixmap(program_pixmap(std::min(picture->width(), picture->height())));
    picture->setAccessibleName(QStringLiteral("Ikon"));

    MouseLabel* title = add_label("termeknev", about_layout::termeknev, Part::termeknev);
    title->setFont(product_font());
    title->setText(to_qstring(box.termeknev()));
    title->setAccessibleName(title->text());

    MouseLabel* version = add_label("verzioszam", about_layout::verzioszam, Part::verzioszam);
    version->setText(to_qstring(box.verzioszam()));
    version->setAccessibleName(version->text());

    MouseLabel* notice = add_label("copyright", about_layout::copyright, Part::copyright);
    notice->setText(to_qstring(box.copyright()));
    notice->setAccessibleName(notice->text());

    MouseLabel* rights = add_label("jogok", about_layout::jogok, Part::jogok);
    rights->setText(to_qstring(box.jogok()));
    rights->setAccessibleName(rights->text());
}

void AboutWindow::paintEvent(QPaintEvent* /*event*/) {
    const Scale scale = Scale::of(screen());
    QPainter painter{this};
    painter.setPen(QPen{palette().color(QPalette::WindowText), 0});
    for (const about_layout::Line& line : about_layout::Line1) {
        // The far edges fall on the last pixel row and column.
        const int x1 = std::min(scale.px_x(line.x1), width() - 1);
        const int y1 = std::min(scale.px_y(line.y1), height() - 1);
        const int x2 = std::min(scale.px_x(line.x2), width() - 1);
        const int y2 = std::min(scale.px_y(line.y2), height() - 1);
        painter.drawLine(x1, y1, x2, y2);
    }
}

AboutView::AboutView(const QWidget& main_window, Runner run)
    : main_window_(main_window)
    , run_(std::move(run)) {}

AboutView::~AboutView() {
    box_ = nullptr;
    delete window_.data();
    delete closing_.data();
}

void AboutView::show(about& box) {
    close();
    box_ = &box;
    window_ = new AboutWindow(box, screen_origin(&main_window_));
    QObject::connect(window_.data(), &AboutWindow::clicked, window_.data(),
                     [this](AboutWindow::Part part) { clicked(part); });
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void AboutView::bring_to_front() {
    if (window_ == nullptr) {
        return;
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
}

// Called from inside one of the box's own click handlers too: the window is
// only hidden now and goes once its event has been handled.
void AboutView::close() {
    box_ = nullptr;
    if (window_ != nullptr) {
        window_->hide();
        window_->deleteLater();
        delete closing_.data();
        closing_ = window_;
        window_ = nullptr;
    }
}

void AboutView::clicked(AboutWindow::Part part) {
    about* box = box_;
    if (box == nullptr) {
        return;
    }
    // The handler may destroy the box and close this view: nothing of either
    // is touched after it.
    run_([box, part] {
        switch (part) {
        case AboutWindow::Part::frame:
            box->Frame1_Click();
            break;
        case AboutWindow::Part::picture:
            box->Picture1_Click();
            break;
        case AboutWindow::Part::termeknev:
            box->termeknev_Click();
            break;
        case AboutWindow::Part::verzioszam:
            box->verzioszam_Click();
            break;
        case AboutWindow::Part::copyright:
            box->copyright_Click();
            break;
        case AboutWindow::Part::jogok:
            box->jogok_Click();
            break;
        }
    });
}

} // namespace halvora::qt
