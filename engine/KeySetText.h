// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_ENGINE_KEYSETTEXT_H
#define QUORLITH_ENGINE_KEYSETTEXT_H

#include <string>
#include <vector>

// A key file as a person writes it:
//
//     quorlith-key-set 1
//     name: Second-generation recorders
//     modulus: C1F0...            (hexadecimal; or instead public-key-file: NAME.pem beside the file)
//     exponent: 010001            (hexadecimal; optional, 65537 when absent)
//     hmac-key: 5472...           (hexadecimal, 1 to 64 bytes)
//
// Blank lines and lines starting with '#' are ignored; lines end in LF or CR LF; a field's value is
// what follows its colon, without the spaces and tabs around it.
struct KeySetText
{
    std::string name;
    std::vector<unsigned char> modulus;
    std::vector<unsigned char> exponent; // 65537 when the file gives none
    std::vector<unsigned char> hmacKey;
    std::string publicKeyFile; // the PEM file's name, beside the key file; empty with a modulus
};

// Reads a key file's text. Answers 0, or -1 with the 1-based line of the fault (0 for the file as a
// whole) and words saying what is wrong. Refuses what it does not fully understand: an unknown,
// repeated or missing field, a value that is not hexadecimal, a modulus and a public-key file both or
// neither, a key file name with a folder in it, a zero byte, a line that is not "field: value".
int ReadKeySetText(const std::string& text, KeySetText* keySet, int* line, std::string* error);

// Reads an RSA public key from PEM text ("BEGIN PUBLIC KEY" or "BEGIN RSA PUBLIC KEY") into its modulus
// and exponent, big-endian. Answers 0, or -1 with words saying why.
int ReadPemPublicKey(const std::string& pem, std::vector<unsigned char>* modulus,
                     std::vector<unsigned char>* exponent, std::string* error);

#endif
