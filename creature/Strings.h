#pragma once
// Owned C strings of the creature records: heap copies freed by their owner.
char* CopyString(const char* text);
void FreeString(char*& text);
