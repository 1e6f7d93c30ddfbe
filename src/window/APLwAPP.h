#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "controls/DatagramSocket.h"
#include "controls/FlatButton.h"
#include "controls/ImageList.h"
#include "util/UniqueHandle.h"
#include "window/Layout.h"

namespace tornavel {

// The message window: a borderless, fixed-size pop-up with a painted title
// bar, the message, a reply box and two flat buttons.
//
// The program uses one default instance. Its first use creates the window,
// hidden, and runs the load handler; unloading destroys the window and clears
// the reference, and the next use would create a new one.
class APLwAPP {
  public:
    struct Control {
        std::wstring_view name;
        layout::ControlKind kind;
        FlatButton* button;  // set for the flat buttons only
    };

    // The default instance, created and loaded on first use. A failure while
    // loading leaves the window loaded, for the caller's clean-up to unload.
    static APLwAPP& Instance();
    static bool IsLoaded() noexcept;
    // Destroys the window if one is loaded; the unload handler runs.
    static void Unload() noexcept;
    // Key preview: the window sees keys typed into any of its controls before
    // the control does. True when the message was consumed.
    static bool PreTranslate(const MSG& msg) noexcept;

    APLwAPP();
    ~APLwAPP();
    APLwAPP(const APLwAPP&) = delete;
    APLwAPP& operator=(const APLwAPP&) = delete;

    HWND Handle() const noexcept { return hwnd_; }
    const std::vector<Control>& Controls() const noexcept { return controls_; }
    ImageList& Ico48x48() noexcept { return ico48x48_; }
    DatagramSocket& MensajeriaWSK_SEND() noexcept { return mensajeriaWSK_SEND_; }

    // FormBarraTituloTXT's caption.
    void SetTitle(std::wstring title);
    const std::wstring& Title() const noexcept { return title_; }
    // MensajeTXT's text.
    void SetMessage(const std::wstring& text);
    // ItemText's text.
    std::wstring ReplyText() const;
    // Shows the window, modeless, with the caret in the reply box.
    void Show();

  private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam,
                                       LPARAM lParam) noexcept;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool HandleKey(const MSG& msg);

    void CreateControls();
    RECT Pixels(std::size_t control) const;
    HFONT MakeFont(const layout::FontDesign& design, UniqueFont& owner) const;
    void Paint(HDC dc, const RECT& client) const;
    void MoveFocus(bool backwards);

    // Event handlers.
    void Form_Load();
    void Form_KeyPress(wchar_t keyAscii);
    void Form_Unload();
    void FormBarraTituloTXT_MouseMove(WPARAM buttons);
    void FormCerrar_Click();
    void BotonAceptar_Click();
    void MensajeriaWSK_SEND_Error(DatagramSocket::ErrorEvent& event);

    HWND hwnd_ = nullptr;
    int dpi_ = 96;
    RECT frame_{};  // FormMCO, in pixels
    std::wstring title_{layout::kTitlePlaceholder};
    HWND lastFocus_ = nullptr;

    UniqueFont messageFont_;
    UniqueFont replyFont_;
    UniqueFont titleFont_;
    UniqueFont closeFont_;
    UniqueFont sendFont_;
    UniqueBrush windowBack_;
    UniqueBrush replyBack_;
    UniqueIcon closeGlyph_;

    HWND mensajeTXT_ = nullptr;
    HWND itemText_ = nullptr;
    FlatButton formCerrar_;
    FlatButton botonAceptar_;
    ImageList ico48x48_;
    DatagramSocket mensajeriaWSK_SEND_{L"MensajeriaWSK_SEND"};
    std::vector<Control> controls_;
};

// Ends the program at once: no further handler runs, the unload handler
// included.
[[noreturn]] void EndProgram() noexcept;

}  // namespace tornavel
