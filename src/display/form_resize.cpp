#include "display/form_resize.h"

#include "base/formats.h"

ResizeResult FormResize(const ResizeInput& in) {
    ResizeResult r;
    r.groupBox3 = in.leftClientHeight / 3;
    r.groupBox6 = in.leftClientHeight / 3;
    r.groupBox5 = in.middleClientHeight / 3;
    r.groupBox9 = in.middleClientHeight / 3;
    r.groupBox8 = int(roundHalfEven(in.right2ClientHeight / 3.0));
    r.groupBox11 = int(roundHalfEven(in.right2ClientHeight / 3.0));
    r.groupBox10 = r.groupBox9;
    r.leftWidth = in.clientWidth / 3;
    r.rightWidth = in.clientWidth / 3;
    return r;
}
