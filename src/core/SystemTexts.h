#pragma once

// Every fixed text that a user or the peer program sees, gathered here so that
// one search finds them all. They are the product's own names and words, kept
// exactly as its other programs and its users know them; nothing else in the
// code uses these names. (The English line a failed start writes for a
// debugger is an integrator's diagnostic, composed where the start-up is.)

#include <string_view>

namespace tornavel::texts {

// The hand-off file's name, beside the exe; the peer writes it.
inline constexpr wchar_t kHandoffFileName[] = L"open.zelbarqin";

// The message window's caption: the taskbar shows it, and the peer and tools
// find the window by it.
inline constexpr wchar_t kWindowCaption[] = L"Tornavel - Mensaje";
// The title label's text until the sender's name is set.
inline constexpr wchar_t kTitlePlaceholder[] = L"<NombreRemitente>";
// The send button's caption.
inline constexpr wchar_t kSendCaption[] = L"Enviar respuesta y cerrar";

// What a screen reader says for each control. The send button says its
// caption; the message box, this prefix and the sender's name.
inline constexpr wchar_t kCloseButtonName[] = L"Cerrar";
inline constexpr wchar_t kReplyBoxName[] = L"Respuesta";
inline constexpr wchar_t kMessageBoxNamePrefix[] = L"Mensaje de ";

// The first piece of each reply datagram, as the peer tells them apart.
inline constexpr wchar_t kFirstReplyToken[] = L"MSG-ENVIAR";
inline constexpr wchar_t kSecondReplyToken[] = L"MSG-ENVIADO_KORVexe";

// The source of every run-time error our own code raises ("Fuente:" line of
// the error box).
inline constexpr wchar_t kApplicationName[] = L"TornavelMensaje";

// The error box's caption, and the labels of its lines: "Número: 13",
// "Descripción: …", "Fuente: …", "Detalle : …" (with its blank).
inline constexpr wchar_t kErrorBoxTitle[] = L"Ha ocurrido un error";
inline constexpr wchar_t kErrorNumberLabel[] = L"N\u00FAmero: ";
inline constexpr wchar_t kErrorDescriptionLabel[] = L"Descripci\u00F3n: ";
inline constexpr wchar_t kErrorSourceLabel[] = L"Fuente: ";
inline constexpr wchar_t kErrorDetailLabel[] = L"Detalle : ";

// The descriptions of the run-time errors the program raises itself, as the
// error box shows them (their numbers are in ErrorNumbers.h).
inline constexpr wchar_t kOverflowDescription[] = L"Desbordamiento";
inline constexpr wchar_t kOutOfMemoryDescription[] = L"Memoria insuficiente";
inline constexpr wchar_t kSubscriptOutOfRangeDescription[] = L"Sub\u00EDndice fuera del intervalo";
inline constexpr wchar_t kTypeMismatchDescription[] = L"No coinciden los tipos";
inline constexpr wchar_t kInternalErrorDescription[] = L"Error interno";
inline constexpr wchar_t kInputPastEndOfFileDescription[] =
    L"La entrada ha pasado del final del archivo";
inline constexpr wchar_t kInvalidPropertyValueDescription[] =
    L"El valor de la propiedad no es v\u00E1lido";
inline constexpr wchar_t kElementNotFoundDescription[] = L"No se encontr\u00F3 el elemento";
// The source of error 35601: the picture list the hand pointer comes from.
inline constexpr wchar_t kImageListName[] = L"ImageList";
// The error box's location line when sending the reply fails.
inline constexpr wchar_t kSendReplyLocation[] =
    L"Ventana: TIVwAPL        Proceso : proMensajes_Mensaje_proEnviar";
// The error box's location line for a failure that escapes one of the message
// window's handlers; the handler's name follows.
inline constexpr wchar_t kWindowLocationPrefix[] = L"Ventana: APLwAPP        Proceso : ";

// The handler names that end the location line above, one for each place
// where a failure can escape.
inline constexpr std::wstring_view kKeyHandlerName = L"Form_KeyPress";
inline constexpr std::wstring_view kMouseHandlerName = L"Form_MouseDown";
inline constexpr std::wstring_view kWindowHandlerName = L"APLwAPP";
inline constexpr std::wstring_view kButtonHandlerName = L"FlatButton";

// The reply socket's name: the "Fuente:" of the errors it raises.
inline constexpr wchar_t kSocketName[] = L"MensajeriaWSK_SEND";

}  // namespace tornavel::texts
