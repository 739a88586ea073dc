// Identifiers of the resources in Orvanta.exe.
#pragma once

#define IDI_ORVANTA 1

// PNG pictures (RCDATA), three per picture button: normal, mouse over, pressed.
#define IDP_MENU_NORMAL 101
#define IDP_MENU_HOVER 102
#define IDP_MENU_PRESSED 103
#define IDP_MINIMISE_NORMAL 104
#define IDP_MINIMISE_HOVER 105
#define IDP_MINIMISE_PRESSED 106
#define IDP_CLOSE_NORMAL 107
#define IDP_CLOSE_HOVER 108
#define IDP_CLOSE_PRESSED 109
#define IDP_BADGE 110
#define IDP_OK_NORMAL 111
#define IDP_OK_HOVER 112
#define IDP_OK_PRESSED 113
#define IDP_NOTICE_ICON 114
