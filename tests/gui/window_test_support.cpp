#include "window_test_support.h"

#include "platform/gui/forms/application.h"

#include <map>

std::string MessageName(uint32_t msg)
{
    static const std::map<uint32_t, std::string> names = {{WM_KEYDOWN, "KEYDOWN"},
                                                          {WM_KEYUP, "KEYUP"},
                                                          {WM_CHAR, "CHAR"},
                                                          {WM_SYSKEYDOWN, "SYSKEYDOWN"},
                                                          {WM_SYSCHAR, "SYSCHAR"},
                                                          {CN_KEYDOWN, "CN_KEYDOWN"},
                                                          {CN_CHAR, "CN_CHAR"},
                                                          {WM_LBUTTONDOWN, "LBUTTONDOWN"},
                                                          {WM_LBUTTONUP, "LBUTTONUP"},
                                                          {WM_LBUTTONDBLCLK, "LBUTTONDBLCLK"},
                                                          {WM_MOUSEMOVE, "MOUSEMOVE"},
                                                          {WM_MOUSEWHEEL, "MOUSEWHEEL"},
                                                          {WM_SETCURSOR, "SETCURSOR"},
                                                          {WM_SETFOCUS, "SETFOCUS"},
                                                          {WM_KILLFOCUS, "KILLFOCUS"},
                                                          {CM_ENTER, "CM_ENTER"},
                                                          {CM_EXIT, "CM_EXIT"},
                                                          {WM_SIZE, "SIZE"},
                                                          {WM_MOVE, "MOVE"},
                                                          {WM_WINDOWPOSCHANGING, "POSCHANGING"},
                                                          {WM_WINDOWPOSCHANGED, "POSCHANGED"},
                                                          {WM_NCCALCSIZE, "NCCALCSIZE"},
                                                          {WM_ERASEBKGND, "ERASEBKGND"},
                                                          {WM_PAINT, "PAINT"},
                                                          {CM_MOUSEENTER, "CM_MOUSEENTER"},
                                                          {CM_MOUSELEAVE, "CM_MOUSELEAVE"},
                                                          {WM_MOUSELEAVE, "MOUSELEAVE"},
                                                          {WM_HSCROLL, "HSCROLL"},
                                                          {WM_VSCROLL, "VSCROLL"},
                                                          {CM_ENABLEDCHANGED, "CM_ENABLEDCHANGED"},
                                                          {CM_FONTCHANGED, "CM_FONTCHANGED"},
                                                          {CM_PARENTFONTCHANGED, "CM_PARENTFONTCHANGED"},
                                                          {CM_COLORCHANGED, "CM_COLORCHANGED"},
                                                          {CM_TEXTCHANGED, "CM_TEXTCHANGED"},
                                                          {CM_VISIBLECHANGED, "CM_VISIBLECHANGED"},
                                                          {WM_NCLBUTTONDOWN, "NCLBUTTONDOWN"},
                                                          {WM_CAPTURECHANGED, "CAPTURECHANGED"},
                                                          {WM_TIMER, "TIMER"}};
    auto it = names.find(msg);
    return it == names.end() ? std::string() : it->second;
}
