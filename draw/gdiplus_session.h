#pragma once
// Starts GDI+ for the life of the object; every drawing object needs one alive.
#include <windows.h>

namespace lumbra {

class GdiplusSession {
public:
    GdiplusSession();
    ~GdiplusSession();
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;

    bool Ok() const { return status_ == 0; }
    int Status() const { return status_; }

private:
    ULONG_PTR token_ = 0;
    int status_ = -1;
};

}  // namespace lumbra
