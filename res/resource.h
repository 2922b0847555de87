#pragma once

// Menu commands.
#define IDM_EXIT 40001
#define IDM_NO_GAME 40002
#define IDM_FISHING_GAME 40003
#define IDM_GOLF_GAME 40004
#define IDM_CABER_GAME 40005
#define IDM_OPTIONS 40008

// Resources that are not pictures.
#define IDR_POPUP_MENU 101
#define IDD_PICTURE 101
#define IDD_OPTIONS 106
#define IDC_HAND_CURSOR 100

// Options dialog controls.
#define IDC_PLAY_SOUNDS 1000
#define IDC_RUN_ON_STARTUP 1001
#define IDC_ON_TOP 1002
#define IDC_SIZE_CHOICE 1003
#define IDC_SIZE_LABEL 1004
