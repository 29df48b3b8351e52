#pragma once
// Shared pieces of the creature tests: the headless renderer, creatures
// built frame by frame, and a writer of the old file layout.
#include <string>
#include <vector>

#include "sdk/Bicho.h"
#include "sdk/Renderer.h"

// The headless renderer plug-in, loaded once per test program.
Renderer* TestRenderer();
// Every renderer call since the last clear, one per line.
std::string RendererCalls();
void ClearRendererCalls();

// A texture of w x h x bpp whose pixels depend on `seed`.
TextureHandle MakeTexture(int w, int h, int bpp, int seed, const char* name = "tex");
std::vector<unsigned char> TexturePixels(TextureHandle texture);

// A fresh creature after Init with the headless renderer.
Bicho* NewCreature();
void FreeCreature(Bicho* creature);

// Adds an animation of `frames` frames, each with its own texture unless
// `shared` is given (then every frame uses it).
void AddTestAnimation(Bicho* creature, const char* name, const char* kind, int frames,
                      TextureHandle shared = 0, int size = 8);

// Text appended to the log since the last call of this function.
std::string NewLogText();

std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);

// Little-endian pieces for hand-made files.
void PutInt(std::string& out, int value);
void PutFloat(std::string& out, float value);
void PutString(std::string& out, const char* text);
