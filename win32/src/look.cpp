#include <halvora/win32/look.h>

#include <array>
#include <cwchar>
#include <string_view>

namespace halvora::win32 {
namespace {

int CALLBACK note_found(const LOGFONTW* /*font*/, const TEXTMETRICW* /*metrics*/, DWORD /*type*/,
                        LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool installed(std::wstring_view face) {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    face.copy(wanted.lfFaceName, LF_FACESIZE - 1);
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &wanted, note_found, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

// The first face of the list the system has; without any, the system picks
// one of the family.
HFONT make_font(std::initializer_list<std::wstring_view> faces, BYTE family, int height,
                int weight) {
    LOGFONTW font{};
    font.lfHeight = height;
    font.lfWeight = weight;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = CLEARTYPE_QUALITY;
    font.lfPitchAndFamily = static_cast<BYTE>(VARIABLE_PITCH | family);
    for (const std::wstring_view face : faces) {
        if (installed(face)) {
            face.copy(font.lfFaceName, LF_FACESIZE - 1);
            break;
        }
    }
    return CreateFontIndirectW(&font);
}

} // namespace

Fonts::Fonts(const Scale& scale)
    : sans(make_font({L"Microsoft Sans Serif", L"MS Sans Serif"}, FF_SWISS, scale.font_height(8.25),
                     FW_NORMAL))
    , sans_bold(make_font({L"Microsoft Sans Serif", L"MS Sans Serif"}, FF_SWISS,
                          scale.font_height(8.25), FW_BOLD))
    , serif_bold(make_font({L"Times New Roman", L"Liberation Serif"}, FF_ROMAN,
                           scale.font_height(12), FW_BOLD))
    , product(make_font({L"Arial", L"Liberation Sans"}, FF_SWISS, scale.font_height(13.5),
                        FW_NORMAL)) {}

Fonts::~Fonts() {
    for (HFONT font : {sans, sans_bold, serif_bold, product}) {
        if (font != nullptr) {
            DeleteObject(font);
        }
    }
}

bool high_contrast_on() {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof contrast;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) != FALSE &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

COLORREF text_colour(Colour colour, bool high_contrast) {
    if (high_contrast) {
        return GetSysColor(COLOR_BTNTEXT);
    }
    return RGB(colour.red, colour.green, colour.blue);
}

COLORREF face_colour() {
    return GetSysColor(COLOR_BTNFACE);
}

HBRUSH face_brush() {
    return GetSysColorBrush(COLOR_BTNFACE);
}

HICON program_icon(int size) {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr),
                                         MAKEINTRESOURCEW(program_icon_resource), IMAGE_ICON, size,
                                         size, LR_DEFAULTCOLOR));
}

void register_window_class(const wchar_t* name, WNDPROC procedure, UINT style) {
    WNDCLASSEXW type{};
    type.cbSize = sizeof type;
    if (GetClassInfoExW(GetModuleHandleW(nullptr), name, &type) != FALSE) {
        return;
    }
    type.style = style;
    type.lpfnWndProc = procedure;
    type.hInstance = GetModuleHandleW(nullptr);
    type.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    type.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    type.lpszClassName = name;
    RegisterClassExW(&type);
}

} // namespace halvora::win32
