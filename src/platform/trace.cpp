#include "platform/trace.h"

#include <cstdio>

#include "platform/host.h"

namespace platform {
namespace {
std::FILE* gFile = nullptr;
bool gCapturing = false;
std::string gCaptured;
}  // namespace

bool Trace_Open(const std::string& nativePath) {
    Trace_Close();
    gFile = std::fopen(nativePath.c_str(), "wb");
    return gFile != nullptr;
}

void Trace_Close() {
    if (gFile != nullptr) std::fclose(gFile);
    gFile = nullptr;
}

bool Trace_Enabled() { return gFile != nullptr || gCapturing; }

void Trace_Write(std::string_view line) {
    if (!Trace_Enabled()) return;
    std::string out = std::to_string(Host_IsSet() ? Host_Get().Ticks() : 0);
    out += ' ';
    out.append(line);
    out += '\n';
    if (gFile != nullptr) {
        std::fwrite(out.data(), 1, out.size(), gFile);
        std::fflush(gFile);
    }
    if (gCapturing) gCaptured += out;
}

std::string Trace_Quote(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
            case '\\': out += "\\\\"; break;
            case '"': out += "\\\""; break;
            case '\r': out += "\\r"; break;
            case '\n': out += "\\n"; break;
            case '\t': out += "\\t"; break;
            default: out += c;
        }
    }
    out += '"';
    return out;
}

void Trace_CaptureStart() {
    gCapturing = true;
    gCaptured.clear();
}

std::string Trace_CaptureTake() {
    std::string s = std::move(gCaptured);
    gCaptured.clear();
    return s;
}

}  // namespace platform
