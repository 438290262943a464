// The windows as they are created, one control a line: the window, then the control's name, its
// caption or text in quotes, its font's size (b for bold), its place in twips (left, top, width,
// height within its container; a window's size, and "fixed" for a border that cannot be resized),
// "centred" for a centred label, "read-only" for a box no one types into, what a screen reader
// names it where that is not its caption (in double quotes) and its description.

extern const char* const Controls;

const char* const Controls = R"table(
frmWizard ¦ frmWizard 'Tovrin' 8.25 6690x5775 fixed Word list wizard
frmWizard ¦ Frame1(0) 'Step 1' 8.25 120,120,6375,4815
frmWizard ¦ Option1 'Load an existing list' 8.25 2160,3000,3495,495
frmWizard ¦ Option2 'Create a new list' 8.25 2160,3360,3495,495
frmWizard ¦ Option3 'View the Readme file' 8.25 2160,3720,3495,495
frmWizard ¦ Label6 'Do you want to:' 8.25 1320,2760,3375,375 centred
frmWizard ¦ Label3 'Tip: double-click a choice to go straight on.' 8.25 1200,4320,4095,495 centred
frmWizard ¦ Label1 'Dear Teacher or Parent,' 8.25 240,360,3375,495
frmWizard ¦ Label2 'This program enables you to type in up to 30 spelling words for the day's spelling practice.  Press the 'Next' button to continue.  The program allows you to enter up to 30 words which can have up to 20 letters each.' 13.5 240,720,5775,2415
frmWizard ¦ Frame1(1) 'Step 2' 8.25 960,120,6375,4815
frmWizard ¦ Word '' 12b 2160,2760,3612,492 "Type in Word"
frmWizard ¦ Command1 '&Next Word' 8.25 2400,3600,1812,492
frmWizard ¦ Label5 'Type in Word' 8.25 720,2880,1935,495
frmWizard ¦ Label4 'Words must be between 2 and 20 letters long.  Press 'Next' after you have entered all of your words.' 8.25 720,360,4935,615 centred
frmWizard ¦ Frame1(2) 'Step 3' 8.25 120,600,6375,4815
frmWizard ¦ Option5 'No' 8.25 2760,4080,1215,375 Are the words correct
frmWizard ¦ Option4 'Yes' 8.25 2760,3600,1455,375 Are the words correct
frmWizard ¦ CheckWords '' 8.25 120,240,6135,2895 read-only "Words in the list"
frmWizard ¦ Label7 'Are the words correct' 8.25 120,3360,6135,495 centred
frmWizard ¦ butBack '< Back' 8.25 1920,5160,1215,495
frmWizard ¦ butHelp 'Help' 8.25 120,5160,1215,495
frmWizard ¦ butCancel 'Cancel' 8.25 5280,5160,1215,495
frmWizard ¦ butNext 'Next >' 8.25 3600,5160,1215,495
Main ¦ Main 'Tovrin' 8.25b 6420x6210 Spelling practice
Main ¦ Command1 '&Done' 8.25b 2880,5520,972,492
Main ¦ TWord '' 12 1680,4920,3972,492 "Type the Word Here"
Main ¦ Label1 'Type the Word Here' 8.25b 600,4920,1212,732
Main ¦ CorrectWord '' 39b 120,2880,6252,1212 centred "Your attempt marked"
Main ¦ TypedWord '' 39b 120,1440,6252,1332 centred "Correct word"
Main ¦ Word '' 39b 120,120,6132,1212 centred "Word to practise"
Form1 ¦ Form1 'Tovrin' 8.25b 4965x3315 Recall the word
Form1 ¦ Command1 '&DONE' 8.25b 1680,2160,972,372
Form1 ¦ TypedWord '' 12b 480,1320,3732,492 "Now type the complete word from memory."
Form1 ¦ Label1 'Now type the complete word from memory.' 12b 480,240,3612,972
Form5 ¦ Form5 'Form5' 8.25b 6420x6225
Form5 ¦ Text1 'Text1' 12 0,0,4212,4332 read-only "readme.txt"
)table";
