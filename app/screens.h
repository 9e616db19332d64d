#pragma once
// The four full-screen screens around play; each call runs one frame and returns 1.

extern bool VoicePlayed;

int TitleScreenFrame();
int StoryScreenFrame();
int DeathScreenFrame();
int WinScreenFrame();
