#pragma once
// Every text the dialogs show, UTF-8.

constexpr char kMainTitle[] = "Quillet - Configuraci\u00f3n de teclas de Corralon";
constexpr char kInstructions[] =
    "Instrucciones: Presione el boton para cambiar la tecla seleccionada\npara cada accion.";
constexpr char kPlayerFrames[2][10] = {"Teclado 1", "Teclado 2"};
constexpr const char* kRowLabels[10] = {
    "Arriba:", "Abajo:", "Izquierda:", "Derecha:", "Pu\u00f1o:",
    "Patada:", "Pu\u00f1o 2:", "Patada 2:", "Pu\u00f1o 3:", "Patada 3:",
};
constexpr char kChangeButton[] = "...";
constexpr char kOkButton[] = "OK";
constexpr char kCancelButton[] = "Cancel";
constexpr char kAuthorButton[] = "Autor...";

constexpr char kInfoTitle[] = "Acerca de Quillet";
constexpr char kInfoText[] =
    "Quillet\n\nConfiguraci\u00f3n de las teclas de los dos jugadores de Corralon.\n"
    "Las teclas se guardan en cfg\\tecladoDI.cfg al pulsar OK.";

constexpr char kCaptureTitle[] = "Presione una tecla";
constexpr char kCaptureText[] = "Presione la tecla para\nla accion seleccionada\ny espere";
constexpr char kAlreadyBoundText[] = "La tecla ya esta asignada, pulse otra tecla";

constexpr char kKeyboardErrorTitle[] = "Error de teclado";
constexpr char kNoAcquireText[] = "No se puede adquirir el teclado";
constexpr char kNoDeviceText[] = "No se puede crear el dispositivo";
constexpr char kNoDataFormatText[] = "No se puede establecer el formato de datos";
constexpr char kNoCooperativeText[] = "No se puede establecer el modo cooperativo";

constexpr char kSaveErrorTitle[] = "Error al guardar";
constexpr char kSaveErrorText[] =
    "No se puede crear el archivo cfg\\tecladoDI.cfg.\nLas teclas no se han guardado.";
