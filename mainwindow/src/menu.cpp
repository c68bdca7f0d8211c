#include <halvora/mainwindow/form1.h>

namespace halvora {

using platform::MenuItemId;

MenuItem& Form1::menu_item(MenuItemId id) {
    switch (id) {
    case MenuItemId::cimsor:
        return cimsor;
    case MenuItemId::mini:
        return mini;
    case MenuItemId::teljes:
        return teljes;
    case MenuItemId::tart:
        return tart;
    case MenuItemId::targy:
        return targy;
    case MenuItemId::keress:
        return keress;
    case MenuItemId::nevjegy:
        return nevjegy;
    case MenuItemId::kilep:
        break;
    }
    return kilep;
}

void Form1::menu_item_Click(MenuItemId id) {
    switch (id) {
    case MenuItemId::cimsor:
        cimsor_Click();
        break;
    case MenuItemId::mini:
        mini_Click();
        break;
    case MenuItemId::teljes:
        teljes_Click();
        break;
    case MenuItemId::tart:
        tart_Click();
        break;
    case MenuItemId::targy:
        targy_Click();
        break;
    case MenuItemId::keress:
        keress_Click();
        break;
    case MenuItemId::nevjegy:
        nevjegy_Click();
        break;
    case MenuItemId::kilep:
        kilep_Click();
        break;
    }
}

} // namespace halvora
