#include "draw/gdiplus_session.h"

#include "draw/gdip.h"

namespace lumbra {

GdiplusSession::GdiplusSession() {
    Gdiplus::GdiplusStartupInput input;
    status_ = static_cast<int>(Gdiplus::GdiplusStartup(&token_, &input, nullptr));
}

GdiplusSession::~GdiplusSession() {
    if (Ok()) Gdiplus::GdiplusShutdown(token_);
}

}  // namespace lumbra
