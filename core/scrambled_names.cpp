// Written by tools/scramble_names; do not edit.
#include "core/scrambled_names.h"

namespace {

const ScrambledName kRow00 = {
    "AAGDHHBXASIMEBBSBUCQGVJAHWCEAYCJHPDLBGEHFLCL",
    0x4B51};
const ScrambledName kRow01 = {
    "BHGNGLGEBHAFHVAXGXHZCFEAIDEIGBIJIRJFDM",
    0x6A8E};
const ScrambledName kRow02 = {
    "HMDXIDEGBUJOIUJKEBBBAYFFDTCQIYAUDHJUEXIDHBIG",
    0x89CB};
const ScrambledName kRow03 = {
    "ISBCENEDHAFICXHEBSANGZGMBMFRFZEUFDEIFP",
    0xA908};
const ScrambledName kRow04 = {
    "FBCDBTFLIRGGDMFIHCDEATAOGXCF",
    0xC845};
const ScrambledName kRow05 = {
    "GQCMCIHKDJCOFCHFARCREZICIOILDF",
    0xE782};
const ScrambledName kRow06 = {
    "CZEQGEIMHNFRDKAKHODBDYELGMESAF",
    0x06BF};
const ScrambledName kRow07 = {
    "EGACDKIAFMAGJLAHCGCDDZCHBLBXGY",
    0x25FC};
const ScrambledName kRow08 = {
    "AOAKGPIJDWJQAAESDDERBHCGHQDE",
    0x4539};
const ScrambledName kRow09 = {
    "BVIEHBECEWEBDLEOHDEAGKGKBQGCAX",
    0x6476};
const ScrambledName kRow10 = {
    "HSEGIZEHEFJDHFGCGAFVFJDGJLIZIL",
    0x83B3};
const ScrambledName kRow11 = {
    "IZCEFWGYHDJABTDDGDFJFRHSBDCVEU",
    0xA2F0};
const ScrambledName kRow12 = {
    "FHBGJCJVJTHVEIEBHTCSCNDLGZGCCR",
    0xC22D};
const ScrambledName kRow13 = {
    "GOHUJSJJGNAEJMGBHGAYFKFEIJFICS",
    0xE16A};
const ScrambledName kRow14 = {
    "CXISDWFLIRBHFUHUBUIBCAEAGPAHAP",
    0x00A7};
const ScrambledName kRow15 = {
    "DGALFKBJBJJCBKAGBRGLHOJMATACDG",
    0x1FE4};
const ScrambledName kRow16 = {
    "EMBLAUGBHMEZDHCBENIPDFBZDHGBAD",
    0x3F21};
const ScrambledName kRow17 = {
    "AVIIDNDNADJMFXFABPAQGKGMBCEL",
    0x5E5E};
const ScrambledName kRow18 = {
    "CCISDPBPCOGAFYFJIMAJDLAJEZFB",
    0x7D9B};
const ScrambledName kRow19 = {
    "IHGJEQHFHFDHBWFAIRAKARECEOBL",
    0x9CD8};

}  // namespace

const ScrambledName* const kScrambledModelNames[kModelCount] = {
    &kRow00,
    &kRow01,
    &kRow02,
    &kRow03,
    &kRow04,
    &kRow05,
    &kRow06,
    &kRow07,
    &kRow08,
    &kRow09,
    &kRow10,
    &kRow11,
    &kRow12,
    &kRow13,
    &kRow14,
    &kRow15,
    &kRow16,
    &kRow17,
    &kRow18,
    &kRow19,
};

const ScrambledName kScrambledInitialText = {
    "ETIBJFAPAEIMADIOHLCXIYGNFDINEHCQ",
    0xBC15};
