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

// The games' sounds (WAVE resources), made by tools/artgen.
#define IDW_SPLASH 800     // the diver goes into the water
#define IDW_NET_SWISH 801  // a swipe of the net
#define IDW_FISH_LANDS 802 // a caught fish drops on the island
#define IDW_SWING 803      // the club swings down
#define IDW_STRIKE 804     // the club meets the ball
#define IDW_CUP 805        // the ball drops in
#define IDW_STEPS 806      // the run-up starts
#define IDW_THUD 807       // the caber comes down
#define IDW_CHEER 808      // a centre landing
#define IDW_NO_THROW 809   // held past the line
#define IDW_FLOURISH 810   // the game is won
