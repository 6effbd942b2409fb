#pragma once

class QScrollArea;
class QWidget;

namespace penvaro::payments {

// The page in a scroll area that asks for the page's full size: the window opens big enough
// for the whole page, and the page scrolls rather than being cut when the screen is smaller
// (a large font or scale).
QScrollArea *Scrolling(QWidget *page, const char *name);

// Gives the window the size its layout asks for, as far as the screen allows, centred on it.
void FitIntoScreen(QWidget &window);

} // namespace penvaro::payments
