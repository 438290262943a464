// The tables of tst_files, one row a line: a name, then its columns (see each test there), with C
// escapes for what a line cannot hold.

extern const char* const ListFiles;
extern const char* const Markings;
extern const char* const ShownReadmes;
extern const char* const Placements;

// The bytes of a file, the words read from it ("|" between them), and what the user is told was
// left out.
const char* const ListFiles = R"table(
cat, dog, mouse ¦ "cat"\r\n"dog"\r\n"mouse"\r\n ¦ cat|dog|mouse ¦
an empty file ¦  ¦  ¦
commas and blanks kept in quotes, blanks trimmed outside ¦ " c,t ",  dog \t ,\t"Done"  \r\n ¦  c,t |dog|Done ¦
LF and CR alone end lines ¦ cat\ndog\rmouse ¦ cat|dog|mouse ¦
blank lines and empty fields are skipped quietly ¦ \r\n\r\ncat,,"",  \r\n\n\ndog\r\n\r\n ¦ cat|dog ¦
a missing closing quote ends at the line end ¦ "cat\r\n"dog"\r\n"a"b"c"x,"mouse ¦ cat|dog|a|mouse ¦
20 characters kept, 21 left out; 1024 bytes kept, 1025 left out ¦ abcdefghijklmnopqrst\r\nabcdefghijklmnopqrstu\r\nЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖ\r\na\*511(\u0301)b\r\na\*511(\u0301)bc ¦ abcdefghijklmnopqrst|ЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖ|a\*511(\u0301)b ¦ 2 entries longer than 20 letters were left out.
control characters, DEL and C1 included ¦ c\x00t,"a\tb",d\x7Fg,\xC2\x85x,dog ¦ dog ¦ 4 entries with control characters were left out.
invalid UTF-8 is Windows-1252 ¦ "caf\xE9","\x93q\x94","\xC3" ¦ café|“q”|Ã ¦
Windows-1252 where every word has a byte there ¦ "caf\xE9"\r\n"\x80uro"\r\n"\x8Cuvre"\r\n ¦ café|€uro|Œuvre ¦
UTF-8 where one word has none ¦ "caf\xC3\xA9"\r\n"\xD0\xBC\xD0\xB8\xD1\x80"\r\n ¦ café|мир ¦
UTF-8 where the 8-bit bytes would read back as UTF-8 ¦ "\xC3\x83\xC2\xA9"\r\n ¦ Ã© ¦
an emoji and a combining accent ¦ "nai\xCC\x88ve"\r\n"\xF0\x9F\x90\xB1"\r\n ¦ nai\u0308ve|🐱 ¦
a byte-order mark at the start ¦ \xEF\xBB\xBF"cat",dog ¦ cat|dog ¦
undefined Windows-1252 bytes ¦ \x81\x8D\x8F\x90\x9D,ab\xC3 ¦ ab\u00C3 ¦ 1 entry with control characters was left out.
31 fields ¦ \*31(cat\r\n) ¦ \*29(cat|)cat ¦ A list holds at most 30 words: the rest of the file was not read.
every kind left out ¦ \*22(y)\r\n\*5000(z)\r\nn\x01l\r\n\*31(cat,) ¦ \*29(cat|)cat ¦ 2 entries longer than 20 letters were left out.  1 entry with control characters was left out.  A list holds at most 30 words: the rest of the file was not read.
a million words, never read to the end ¦ \*1000000(cat\r\n) ¦ \*29(cat|)cat ¦ A list holds at most 30 words: the rest of the file was not read.
NUL bytes ¦ \*8388608(\x00) ¦  ¦ The file is far larger than a list of words: only its first 64 KiB were read.
64 KiB exactly ¦ \*65536(\n) ¦  ¦
)table";

// A word, an attempt at it, and the attempt as the student is shown it under the word.
const char* const Markings = R"table(
a wrong letter ¦ cat ¦ cot ¦ c-t
a letter short ¦ cat ¦ ca ¦ ca-
a letter missing inside ¦ cat ¦ ct ¦ c--
a letter extra, nothing cut off ¦ cat ¦ cart ¦ ca--
case counts ¦ cat ¦ Cat ¦ -at
empty ¦ cat ¦  ¦ ---
a blank at the end ¦ cat ¦ cat\x20 ¦ cat-
a dash in the word is no mistake ¦ x-ray ¦ x-rey ¦ x-r-y
a precomposed accent for a combining one ¦ nai\u0308ve ¦ na\u00EFve ¦ na-ve
an accent kept whole ¦ nai\u0308ve ¦ nai\u0308fe ¦ nai\u0308-e
an emoji is one character ¦ \U0001F600ab ¦ \U0001F600xb ¦ \U0001F600-b
)table";

// A readme's bytes and its text as the viewer shows it (or why it cannot, in brackets): every line
// end breaks the line, control characters show as symbols and cut nothing short.
const char* const ShownReadmes = R"table(
line ends ¦ a\r\nb\rc\nd ¦ a\nb\nc\nd
NUL and control characters go on to the end ¦ a\x00b\x01\tc\x7F ¦ a␀b␁\tc␡
8-bit ¦ Caf\xE9 \x93quotes\x94 ¦ Café “quotes”
UTF-8 with a byte-order mark ¦ \xEF\xBB\xBF\xCE\xBB\xF0\x9F\x90\xB1 ¦ λ🐱
long lines, never broken between the halves of a surrogate pair ¦ \*999(x)🐱y\n\*1001(z) ¦ \*999(x)🐱\ny\n\*1000(z)\nz
64 KiB ¦ \*65536(\n) ¦ \*65536(\n)
a byte more ¦ \*65537(\n) ¦ (it is larger than 64 KiB)
)table";

// The screen, what must stay in view, the frame of the window to place as it is and as small as
// it may be made, and where it goes.
const char* const Placements = R"table(
on the right ¦ 0,0,1366,768 ¦ 76,109,446,385 ¦ 428,415 ¦ 428,415 ¦ 530,109,428,415
on the left, lined up on the screen ¦ 0,0,1366,768 ¦ 900,500,400,200 ¦ 428,415 ¦ 428,415 ¦ 464,353,428,415
below ¦ 0,0,1366,768 ¦ 0,0,1366,300 ¦ 428,415 ¦ 428,415 ¦ 0,308,428,415
above ¦ 0,0,1366,768 ¦ 0,500,1366,268 ¦ 428,415 ¦ 428,415 ¦ 0,77,428,415
made smaller on the right ¦ 0,0,800,800 ¦ 76,109,446,385 ¦ 428,415 ¦ 214,207 ¦ 530,109,270,415
no room: the most, on the screen ¦ 0,0,640,480 ¦ 100,300,300,100 ¦ 428,415 ¦ 428,415 ¦ 100,0,428,415
)table";
