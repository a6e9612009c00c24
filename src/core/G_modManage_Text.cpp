#include "core/G_modManage_Text.h"

#include "common/vb_error.h"
#include "common/vb_string.h"
#include "core/G_modManage.h"
#include "paint/clsPaintEffects.h"
#include "platform/form.h"
#include "platform/raster.h"
#include "platform/text_draw.h"
#include "platform/trace.h"

typRect gudtTextRect;

namespace {

platform::Form& MainForm() {
    if (gobjMainForm == nullptr) vb::Raise(vb::kErrObjectNotSet);
    return *gobjMainForm;
}

constexpr int kScreenWidth = 640;
constexpr int kScreenHeight = 480;

}  // namespace

void Manage_Draw_Text(const std::string& In_strText, vb::Single In_sngLeft, vb::Single In_sngTop,
                      vb::Single In_sngRight, vb::Single In_sngBottom, vb::Integer In_intSize, vb::Long In_lngColor,
                      vb::Integer In_intAlign) {
    platform::Form& form = MainForm();
    typRect rect;
    rect.Left = vb::CLng(In_sngLeft);
    rect.Top = vb::CLng(In_sngTop);
    rect.Right = vb::CLng(In_sngRight);
    rect.Bottom = vb::CLng(In_sngBottom);
    gudtTextRect = rect;

    form.FontSize = In_intSize;
    form.ForeColor = static_cast<platform::Colour>(In_lngColor);

    const std::string text = vb::Replace(In_strText, "\\n", vb::kCrLf);
    platform::Trace_Write("text " + platform::Trace_Quote(text) + " " + vb::CStr(rect.Left) + " " +
                          vb::CStr(rect.Top) + " " + vb::CStr(rect.Right) + " " + vb::CStr(rect.Bottom) + " " +
                          vb::CStr(In_intSize) + " " + vb::CStr(static_cast<long long>(In_lngColor)) + " " +
                          vb::CStr(In_intAlign));

    // No font on this machine: the text is not drawn (said once on stderr), the game goes on.
    platform::Text_Draw(form.image, text, {rect.Left, rect.Top, rect.Right, rect.Bottom}, form.FontSize,
                        Paint_Translate_Color(form.ForeColor), platform::Text_AlignFromCode(In_intAlign));
    form.Refresh();
}

void Manage_Copy_Screen(vb::Boolean In_blnMode) {
    platform::Form& form = MainForm();
    if (gobjBackPic == nullptr) vb::Raise(vb::kErrObjectNotSet);
    if (In_blnMode == vb::kTrue) {
        // The backup picture keeps what is drawn into it: nothing more to do to make it stay.
        platform::BitBlt(*gobjBackPic, 0, 0, kScreenWidth, kScreenHeight, form.image, 0, 0, platform::kRopSrcCopy);
    } else {
        platform::BitBlt(form.image, 0, 0, kScreenWidth, kScreenHeight, *gobjBackPic, 0, 0, platform::kRopSrcCopy);
    }
}

void Manage_Invert_Rect(vb::Single In_sngX, vb::Single In_sngY, vb::Single In_sngWidth, vb::Single In_sngHeight) {
    platform::Form& form = MainForm();
    const vb::Long x = vb::CLng(In_sngX);
    const vb::Long y = vb::CLng(In_sngY);
    const vb::Long w = vb::CLng(In_sngWidth);
    const vb::Long h = vb::CLng(In_sngHeight);
    platform::BitBlt(form.image, x, y, w, h, form.image, x, y, platform::kRopDstInvert);
}
