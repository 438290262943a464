// The windows as they are created, one control a line: the window, then the control's name, its
// caption or text in quotes, its font's size (b for bold), its place in pixels (left, top,
// width, height within its container; a window's size, and "fixed" for a border that cannot be
// resized), "centred" for a centred label, "read-only" for a box no one types into, what a screen
// reader names it where that is not its caption (in double quotes) and its description.

extern const char* const Controls;

const char* const Controls = R"table(
frmWizard ¦ frmWizard 'Tovrin' 8.25 446x385 fixed Word list wizard
frmWizard ¦ Frame1(0) 'Step 1' 8.25 8,8,425,321
frmWizard ¦ Option1 'Load an existing list' 8.25 144,200,233,33
frmWizard ¦ Option2 'Create a new list' 8.25 144,224,233,33
frmWizard ¦ Option3 'View the Readme file' 8.25 144,248,233,33
frmWizard ¦ Label6 'Do you want to:' 8.25 88,184,225,25 centred
frmWizard ¦ Label3 'Tip: double-click a choice to go straight on.' 8.25 80,288,273,33 centred
frmWizard ¦ Label1 'Dear Teacher or Parent,' 8.25 16,24,225,33
frmWizard ¦ Label2 'This program enables you to type in up to 30 spelling words for the day's spelling practice.  Press the 'Next' button to continue.  The program allows you to enter up to 30 words which can have up to 20 letters each.' 13.5 16,48,385,161
frmWizard ¦ Frame1(1) 'Step 2' 8.25 64,8,425,321
frmWizard ¦ Word '' 12b 144,184,241,33 "Type in Word"
frmWizard ¦ Command1 '&Next Word' 8.25 160,240,121,33
frmWizard ¦ Label5 'Type in Word' 8.25 48,192,129,33
frmWizard ¦ Label4 'Words must be between 2 and 20 letters long.  Press 'Next' after you have entered all of your words.' 8.25 48,24,329,41 centred
frmWizard ¦ Frame1(2) 'Step 3' 8.25 8,40,425,321
frmWizard ¦ Option5 'No' 8.25 184,272,81,25 Are the words correct
frmWizard ¦ Option4 'Yes' 8.25 184,240,97,25 Are the words correct
frmWizard ¦ CheckWords '' 8.25 8,16,409,193 read-only "Words in the list"
frmWizard ¦ Label7 'Are the words correct' 8.25 8,224,409,33 centred
frmWizard ¦ butBack '< Back' 8.25 128,344,81,33
frmWizard ¦ butHelp 'Help' 8.25 8,344,81,33
frmWizard ¦ butCancel 'Cancel' 8.25 352,344,81,33
frmWizard ¦ butNext 'Next >' 8.25 240,344,81,33
Main ¦ Main 'Tovrin' 8.25b 428x414 Spelling practice
Main ¦ Command1 '&Done' 8.25b 192,368,65,33
Main ¦ TWord '' 12 112,328,265,33 "Type the Word Here"
Main ¦ Label1 'Type the Word Here' 8.25b 40,328,81,49
Main ¦ CorrectWord '' 39b 8,192,417,81 centred "Your attempt marked"
Main ¦ TypedWord '' 39b 8,96,417,89 centred "Correct word"
Main ¦ Word '' 39b 8,8,409,81 centred "Word to practise"
Form1 ¦ Form1 'Tovrin' 8.25b 331x221 Recall the word
Form1 ¦ Command1 '&DONE' 8.25b 112,144,65,25
Form1 ¦ TypedWord '' 12b 32,88,249,33 "Now type the complete word from memory."
Form1 ¦ Label1 'Now type the complete word from memory.' 12b 32,16,241,65
Form5 ¦ Form5 'Form5' 8.25b 428x415
Form5 ¦ Text1 'Text1' 12 0,0,281,289 read-only "readme.txt"
)table";
