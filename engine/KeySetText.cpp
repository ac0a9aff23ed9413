// SPDX-License-Identifier: Apache-2.0
#include "engine/KeySetText.h"

#include "digest/HexText.h"

#include <openssl/bn.h>
#include <openssl/core_names.h>
#include <openssl/decoder.h>
#include <openssl/err.h>
#include <openssl/evp.h>

#include <cstring>

namespace {

const char kFirstLine[] = "quorlith-key-set 1";

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string Trimmed(const std::string& text)
{
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

// The file's lines without their LF or CR LF; a lone CR stays in its line, and so fails it.
std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find('\n', at);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(at, end - at);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
        at = end + 1;
    }
    return lines;
}

int Fault(int at, const std::string& words, int* line, std::string* error)
{
    *line = at;
    *error = words;
    return -1;
}

bool HasControl(const std::string& text)
{
    for (const char c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            return true;
    }
    return false;
}

std::vector<unsigned char> NumberBytes(const BIGNUM* number)
{
    std::vector<unsigned char> bytes(static_cast<size_t>(BN_num_bytes(number)));
    BN_bn2bin(number, bytes.data());
    return bytes;
}

} // namespace

int ReadKeySetText(const std::string& text, KeySetText* keySet, int* line, std::string* error)
{
    *keySet = KeySetText();
    if (text.find('\0') != std::string::npos)
        return Fault(0, "the file holds a zero byte, so it is no text", line, error);
    const std::vector<std::string> lines = Lines(text);
    size_t first = 0;
    while (first < lines.size() && (Trimmed(lines[first]).empty() || lines[first][0] == '#'))
        ++first;
    if (first == lines.size() || lines[first] != kFirstLine)
        return Fault(first < lines.size() ? static_cast<int>(first) + 1 : 0,
                     std::string("the first line must be \"") + kFirstLine + "\"", line, error);

    static const char* const kFields[] = {"name", "modulus", "public-key-file", "exponent", "hmac-key"};
    int seenAt[5] = {};
    for (size_t i = first + 1; i < lines.size(); ++i) {
        const int at = static_cast<int>(i) + 1;
        const std::string& whole = lines[i];
        if (Trimmed(whole).empty() || whole[0] == '#')
            continue;
        const size_t colon = whole.find(':');
        if (colon == std::string::npos)
            return Fault(at, "a line must be \"field: value\"", line, error);
        const std::string field = whole.substr(0, colon);
        const std::string value = Trimmed(whole.substr(colon + 1));
        int which = -1;
        for (int f = 0; f < 5; ++f) {
            if (field == kFields[f])
                which = f;
        }
        if (which < 0)
            return Fault(at, "unknown field \"" + field + "\"", line, error);
        if (seenAt[which] != 0)
            return Fault(at,
                         "the field \"" + field + "\" is given again (first on line " +
                             std::to_string(seenAt[which]) + ")",
                         line, error);
        seenAt[which] = at;
        if (value.empty())
            return Fault(at, "the field \"" + field + "\" has no value", line, error);
        if (HasControl(value))
            return Fault(at, "the field \"" + field + "\" holds a control character", line, error);
        std::vector<unsigned char>* number = which == 1   ? &keySet->modulus
                                             : which == 3 ? &keySet->exponent
                                             : which == 4 ? &keySet->hmacKey
                                                          : nullptr;
        if (number && !ReadHexBytes(value, number))
            return Fault(at, "the " + field + " must be hexadecimal digits only", line, error);
        if (which == 0)
            keySet->name = value;
        if (which == 2) {
            if (value.find('/') != std::string::npos || value.find('\\') != std::string::npos ||
                value == "." || value == "..")
                return Fault(at, "the public-key file must be a name beside the key file, without a folder",
                             line, error);
            keySet->publicKeyFile = value;
        }
    }
    if (seenAt[0] == 0)
        return Fault(0, "the field \"name\" is missing", line, error);
    if (seenAt[1] != 0 && seenAt[2] != 0)
        return Fault(seenAt[2], "give either \"modulus\" or \"public-key-file\", not both", line, error);
    if (seenAt[1] == 0 && seenAt[2] == 0)
        return Fault(0, "the field \"modulus\" or \"public-key-file\" is missing", line, error);
    if (seenAt[2] != 0 && seenAt[3] != 0)
        return Fault(seenAt[3], "the exponent comes from the public-key file; give none beside it", line,
                     error);
    if (seenAt[4] == 0)
        return Fault(0, "the field \"hmac-key\" is missing", line, error);
    if (seenAt[3] == 0)
        keySet->exponent = {0x01, 0x00, 0x01};
    return 0;
}

int ReadPemPublicKey(const std::string& pem, std::vector<unsigned char>* modulus,
                     std::vector<unsigned char>* exponent, std::string* error)
{
    // A private key would decode too; a key set only ever holds the public half.
    if (pem.find("-----BEGIN PUBLIC KEY-----") == std::string::npos &&
        pem.find("-----BEGIN RSA PUBLIC KEY-----") == std::string::npos) {
        *error = "the public-key file holds no \"BEGIN PUBLIC KEY\" or \"BEGIN RSA PUBLIC KEY\" block";
        return -1;
    }
    EVP_PKEY* key = nullptr;
    OSSL_DECODER_CTX* decoder =
        OSSL_DECODER_CTX_new_for_pkey(&key, "PEM", nullptr, "RSA", EVP_PKEY_PUBLIC_KEY, nullptr, nullptr);
    const unsigned char* data = reinterpret_cast<const unsigned char*>(pem.data());
    size_t length = pem.size();
    const bool decoded = decoder && OSSL_DECODER_from_data(decoder, &data, &length) == 1 && key;
    OSSL_DECODER_CTX_free(decoder);
    BIGNUM* n = nullptr;
    BIGNUM* e = nullptr;
    const bool read = decoded && EVP_PKEY_is_a(key, "RSA") &&
                      EVP_PKEY_get_bn_param(key, OSSL_PKEY_PARAM_RSA_N, &n) == 1 &&
                      EVP_PKEY_get_bn_param(key, OSSL_PKEY_PARAM_RSA_E, &e) == 1;
    if (read) {
        *modulus = NumberBytes(n);
        *exponent = NumberBytes(e);
    } else {
        *error = "the public-key file holds no RSA public key that can be read";
    }
    BN_free(n);
    BN_free(e);
    EVP_PKEY_free(key);
    ERR_clear_error();
    return read ? 0 : -1;
}
