#include <halvora/help/help.h>
#include <halvora/mainwindow/form1.h>

namespace halvora {

void Form1::tart_Click() {
    sugoparancs = help::page_contents;
    sugas();
}

void Form1::targy_Click() {
    sugoparancs = help::page_index;
    sugas();
}

void Form1::keress_Click() {
    sugoparancs = help::page_search;
    sugas();
}

void Form1::sugas() {
    if (!help::sugas(sugoparancs, platform_.help_viewer, platform_.program)) {
        warn(help::message_no_directory);
    }
}

void Form1::nevjegy_Click() {
    if (about_) {
        platform_.about_view.bring_to_front();
        return;
    }
    AboutOwner& owner = *this; // a private base: only Form1 itself may hand it out
    about_ = std::make_unique<about>(owner, layout::program_title, program_version());
    about_->Form_Load(platform_.frame.left(), platform_.frame.top());
    platform_.about_view.show(*about_);
}

// Runs as the last step of one of the box's own click handlers, which touch
// nothing of the box after it returns.
void Form1::unload_about() {
    close_about();
}

void Form1::close_about() {
    // Taken out first, so a view that reports its closing back finds no box.
    std::unique_ptr<about> box = std::move(about_);
    if (box) {
        platform_.about_view.close();
    }
}

void Form1::kilep_Click() {
    close_about();
    platform_.quitter.quit();
}

void Form1::Command2_Click() {
    close_about();
    platform_.quitter.quit();
}

} // namespace halvora
