#include "graph/Navigation.h"

#include <Qt>

const char* const BlankStatus = " ";

StatusChange StepPointerRight(ViewState& view) {
    if (view.pointerIndex < view.last()) {
        ++view.pointerIndex;
        return QString::fromUtf8(BlankStatus);
    }
    view.pointerIndex = static_cast<uint16_t>(view.last());
    return LastVisibleText();
}

StatusChange StepPointerLeft(ViewState& view) {
    if (view.pointerIndex > view.viewFirst) {
        --view.pointerIndex;
        return QString::fromUtf8(BlankStatus);
    }
    view.pointerIndex = view.viewFirst;
    return FirstVisibleText();
}

StatusChange PointerToFirst(ViewState& view) {
    view.pointerIndex = view.viewFirst;
    return QString::fromUtf8(BlankStatus);
}

StatusChange PointerToLast(ViewState& view) {
    view.pointerIndex = static_cast<uint16_t>(view.last());
    return std::nullopt;
}

StatusChange ClickedMeasurement(ViewState& view, int k) {
    if (k < view.viewFirst) {
        view.pointerIndex = view.viewFirst;
        return FirstVisibleText();
    }
    if (k > view.last()) {
        view.pointerIndex = static_cast<uint16_t>(view.last());
        return LastVisibleText();
    }
    view.pointerIndex = static_cast<uint16_t>(k);
    return std::nullopt;
}

NavigationCommand NavigationKey(int qtKey, bool keypad) {
    switch (qtKey) {
    case Qt::Key_End:
        return NavigationCommand::End;
    case Qt::Key_Home:
        return NavigationCommand::Home;
    case Qt::Key_4:
        return keypad ? NavigationCommand::Left : NavigationCommand::None;
    case Qt::Key_6:
        return keypad ? NavigationCommand::Right : NavigationCommand::None;
    // The arrows step as the keypad's 4 and 6 do, whether or not the keypad gives digits.
    case Qt::Key_Left:
        return NavigationCommand::Left;
    case Qt::Key_Right:
        return NavigationCommand::Right;
    default:
        return NavigationCommand::None;
    }
}

StatusChange RunNavigation(ViewState& view, NavigationCommand command) {
    switch (command) {
    case NavigationCommand::Home:
        return PointerToFirst(view);
    case NavigationCommand::Left:
        return StepPointerLeft(view);
    case NavigationCommand::Right:
        return StepPointerRight(view);
    case NavigationCommand::End:
        return PointerToLast(view);
    default:
        return std::nullopt;
    }
}
