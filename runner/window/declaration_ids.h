// Control ids of the declaration window's children (stable: the UI driver and
// the tests find controls by them).
#pragma once

enum DeclarationControlId {
    IDC_IMG_BACKGROUND = 100,
    IDC_BWS_DECLARATION_DOC = 101,
    IDC_IMG_EYE = 102,
    IDC_CHK_READ = 103,
    IDC_LBL_CHK_CAPTION = 104,
    IDC_IMG_BUTTON_0 = 105,  // accept
    IDC_IMG_BUTTON_1 = 106,  // decline
    IDC_LBL_BUTTON_CAPTION_0 = 107,
    IDC_LBL_BUTTON_CAPTION_1 = 108,
    IDC_IMG_DOC_HIST_0 = 109,  // back ("Previous")
    IDC_IMG_DOC_HIST_1 = 110,  // forward ("Next")
    IDC_IMG_SPEAKER = 111,
    IDC_LBL_MSG = 112,
    IDC_IMG_LOGO = 113,
};

// Numbers of the window's pictures (its image list, numbered from 1).
enum DeclarationPicture {
    PIC_EYE_FIRST = 1,
    PIC_EYE_LAST = 10,
    PIC_BACK_DISABLED = 11,
    PIC_FORWARD_DISABLED = 12,
    PIC_BACK_ENABLED = 13,
    PIC_FORWARD_ENABLED = 14,
    PIC_ACCEPT_ENABLED = 15,
    PIC_ACCEPT_DISABLED = 16,
    PIC_SPEAKER_NORMAL = 17,
    PIC_SPEAKER_HOVER = 18,
    PIC_SPEAKER_SPEAKING = 19,
    PIC_ACCEPT_PRESSED = 20,
    PIC_DECLINE_PRESSED = 21,
    PIC_DECLINE_RELEASED = 22,
    PIC_BACKGROUND = 30,
    PIC_LOGO = 31,
};

// Resource ids: the picture number plus the base of its size.
const int kPictureResources96 = 1000;
const int kPictureResources144 = 2000;
