#include "effects/form_controls.h"

#include <algorithm>
#include <map>
#include <memory>
#include <vector>

#include "common/vb_error.h"

namespace effects {
namespace {

constexpr int kErrControlNotFound = 730;

std::string Folded(std::string_view name) {
    std::string s(name);
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    return s;
}

// Controls of every form, by form and folded name.
std::map<const platform::Form*, std::map<std::string, std::unique_ptr<PictureBox>>>& Registry() {
    static std::map<const platform::Form*, std::map<std::string, std::unique_ptr<PictureBox>>> r;
    return r;
}

}  // namespace

void PictureBox::Move(int left, int top, int width, int height) {
    Left = left;
    Top = top;
    if (width != image.Width() || height != image.Height()) image.Resize(width, height, BackColor);
}

PictureBox& Controls_Add(const platform::Form& form, std::string_view name) {
    auto& controls = Registry()[&form];
    const std::string key = Folded(name);
    if (controls.count(key) != 0) {
        vb::Raise(vb::kErrControlExists);
    }
    auto box = std::make_unique<PictureBox>();
    box->Name = std::string(name);
    PictureBox& ref = *box;
    controls.emplace(key, std::move(box));
    return ref;
}

void Controls_Remove(const platform::Form& form, std::string_view name) {
    auto it = Registry().find(&form);
    const std::string key = Folded(name);
    if (it == Registry().end() || it->second.erase(key) == 0) {
        vb::Raise(kErrControlNotFound, "コントロール '" + std::string(name) + "' が見つかりません。");
    }
    if (it->second.empty()) Registry().erase(it);
}

PictureBox* Controls_Find(const platform::Form& form, std::string_view name) {
    auto it = Registry().find(&form);
    if (it == Registry().end()) return nullptr;
    auto c = it->second.find(Folded(name));
    return c == it->second.end() ? nullptr : c->second.get();
}

int Controls_Count(const platform::Form& form) {
    auto it = Registry().find(&form);
    return it == Registry().end() ? 0 : static_cast<int>(it->second.size());
}

}  // namespace effects
