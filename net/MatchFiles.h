#pragma once
// The data files a match reads (the creatures and their behaviour libraries,
// the stages with their pictures, the character and stage lists), each with
// a digest of its bytes, so two games can see they play the same match.
#include <string>
#include <vector>

#include "net/NetPackets.h"

// Every regular file under the game folder's "Bichos" and "fondos", in name
// order, at most kNetMaxFiles.
std::vector<NetFile> MatchFiles();
// The first difference between two lists, in words, or "" when they agree.
std::string FirstFileDifference(const std::vector<NetFile>& own, const std::vector<NetFile>& other);
