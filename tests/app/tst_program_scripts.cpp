// The scripts that tst_program plays, one a line: a name, the script (steps as TestSession.h lists
// them) and all that the user then sees and hears and the files hold (as ProgramTest::state()
// describes it).

extern const char* const ProgramScripts;
const char* const ProgramScripts = R"table(
create ¦ start;next ¦ 2< Next > []
create, double-click ¦ start;dbl2 ¦ 2< Next > []
load, cancelled ¦ start;o1;next;nofile ¦ 3< Finish []+
load, double-click ¦ start;dbl1;nofile ¦ 3< Finish []+
readme, double-click, then a new list ¦ start;put:readme.txt=a;dbl3;o2;next ¦ 2< Next > [] viewer'a' {readme.txt=a}
one letter, then none ¦ start;next;add:cat;add:a;add: ¦ 2< Next > [cat] : short | short
20 letters, then 21 ¦ start;next;add:cat;add:abcdefghijklmnopqrst;add:abcdefghijklmnopqrstu ¦ 2< Next > [cat abcdefghijklmnopqrst] box'abcdefghijklmnopqrstu' : long
two letters, blanks and capitals kept ¦ start;next;add:cat;add:ab;add: Ab ¦ 2< Next > [cat ab  Ab]
an emoji is one letter ¦ start;next;add:cat;add:🐱 ¦ 2< Next > [cat] box'🐱' : short
20 accented letters ¦ start;next;add:e\u0301e\u0301e\u0301e\u0301e\u0301e\u0301e\u0301e\u0301e\u0301e\u0301e\u0301e\u0301e\u0301e\u0301e\u0301e\u0301e\u0301e\u0301e\u0301e\u0301 ¦ 2< Next > [e\u0301e\u0301e\u0301e\u0301e\u0301e\u0301e\u0301e\u0301e\u0301e\u0301e\u0301e\u0301e\u0301e\u0301e\u0301e\u0301e\u0301e\u0301e\u0301e\u0301]
a double quote, a pasted line end ¦ start;next;add:cat;add:say"hi;add:cat\n ¦ 2< Next > [cat] box'cat\n' : quote | control
nothing pending, twice ¦ start;next;add:cat;next;no;back;next;no ¦ 3< Finish [cat]+ : save? | save?
one letter is taken once ¦ start;next;add:cat;box:a;next;no;back;next;no ¦ 3< Finish [cat a]+ : save? | save?
21 letters stay in the box ¦ start;next;add:cat;box:abcdefghijklmnopqrstu;next;no ¦ 3< Finish [cat]+ box'abcdefghijklmnopqrstu' : long | save?
a C1 control stays in the box ¦ start;next;add:cat;box:a\u0085b;next;no ¦ 3< Finish [cat]+ box'a\u0085b' : control | save?
30 words fill the list, a 31st is refused, also at Next ¦ start;next;\*30(add:cat;)add:cow;next;no ¦ 3< Finish [\*29(cat )cat]+ box'cow' : full | full | full | save?
Yes saves ¦ start;next;add:cat;add:dog;box:mouse;next;yes;file:list.tvr ¦ 3< Finish [cat dog mouse]+ {list.tvr="cat"~"dog"~"mouse"~} : save?
No saves nothing ¦ put:list.tvr=earlier;start;next;add:cat;next;no ¦ 3< Finish [cat]+ {list.tvr=earlier} : save?
the name chosen last, not replaced, then cancelled ¦ put:list.tvr=earlier;start;next;add:cat;next;yes;file:list.tvr;no;back;next;yes;nofile ¦ 3< Finish [cat]+ dialog'list.tvr' {list.tvr=earlier} : save? | replace?(list.tvr) | save?
replaced on Yes ¦ put:list.tvr=earlier;start;next;add:cat;next;yes;file:list.tvr;yes ¦ 3< Finish [cat]+ {list.tvr="cat"~} : save? | replace?(list.tvr)
a folder that does not exist ¦ start;next;add:cat;next;yes;file:none/list.tvr ¦ 3< Finish [cat]+ : save? | unsaved(./none/list.tvr, No such file or directory)
a folder of that name ¦ dir:list.tvr;start;next;add:cat;next;yes;file:list.tvr ¦ 3< Finish [cat]+ {list.tvr/} : save? | unsaved(./list.tvr, it is a folder)
a saved list ¦ put:w.tvr="cat"\r\n"dog"\r\n;start;next;add:typed;add:more;back;o1;next;file:w.tvr ¦ 3< Finish [cat dog]+ {w.tvr="cat"~"dog"~}
an entry left out ¦ put:w.tvr=cat, dog,abcdefghijklmnopqrstuvwxyz;start;o1;next;file:w.tvr ¦ 3< Finish [cat dog]+ {w.tvr=cat, dog,abcdefghijklmnopqrstuvwxyz} : left(1 entry longer than 20 letters was left out.)
an empty file ¦ put:w.tvr=;start;next;add:typed;add:more;back;o1;next;file:w.tvr ¦ 3< Finish []+ {w.tvr=}
a missing file ¦ start;next;add:typed;add:more;back;o1;next;file:w.tvr ¦ 3< Finish [typed more]+
a folder ¦ dir:w.tvr;start;next;add:typed;add:more;back;o1;next;file:w.tvr ¦ 3< Finish [typed more]+ {w.tvr/}
a FIFO ¦ fifo:w.tvr;start;next;add:typed;add:more;back;o1;next;file:w.tvr ¦ 3< Finish [typed more]+ {w.tvr|}
typing onto a loaded list ¦ put:w.tvr=cat,dog;start;o1;next;file:w.tvr;back;add:éla;box:bat;next ¦ 3< Finish [cat dog éla bat]+ {w.tvr=cat,dog}
the prompt after a load ¦ put:w.tvr=cat,dog;start;o1;next;file:w.tvr;back ¦ 2< Next > [cat dog]+ {w.tvr=cat,dog}
a new list after a load ¦ put:w.tvr=cat;start;o1;next;file:w.tvr;back;back;o2;next;next;no ¦ 3< Finish []+ {w.tvr=cat} : save?
a word 'Done' ends the listing ¦ start;next;add:cat;add:Done;add:done;next;no ¦ 3< Finish [cat Done done]+ review'cat' : save?
'Finished' on Yes, 'Restart' on No ¦ start;next;next;no;o5;o4 ¦ 3< Finished []+ : save?
the screen reader's Toggle on the chosen Yes ¦ start;next;next;no;ax4 ¦ 3< Finished []+ : save?
the screen reader chooses No ¦ start;next;next;no;ax5 ¦ 3< Restart []+ : save?
back to typing, back to the start ¦ start;next;add:cat;next;no;back;back ¦ 1 Next > [cat]+ : save?
No restarts with an empty list ¦ start;next;add:cat;next;no;box:left;o5;next;count:3 ¦ 1 Next > [ ] review'cat' : save?
a double-click on No restarts ¦ start;next;add:cat;next;no;dbl5 ¦ 1 Next > [] review'cat' : save?
No stays chosen ¦ start;next;add:cat;next;no;o5;next;next;next;no;next ¦ 1 Next > [] : save? | save?
Cancel on page 1 ¦ start;cancel ¦ ended
Escape on page 2 ¦ start;next;add:cat;esc ¦ ended
Cancel on page 3 ¦ start;next;add:cat;next;no;cancel ¦ : save? ended
the readme here ¦ put:readme.txt=How to\r\n\r\nType.;put:@readme.txt=guide;guide:;start;o3;next ¦ 1 Next > [] viewer'How to//Type.' {readme.txt=How to~~Type.}
a new viewer reads anew and outlives the wizard ¦ put:readme.txt=first;start;o3;next;close:Form5;put:readme.txt=second;o3;next;close:frmWizard ¦ viewer'second' {readme.txt=second}
the last window closed ends the program ¦ put:readme.txt=first;start;o3;next;close:frmWizard;close:Form5 ¦ {readme.txt=first} ended
an open viewer keeps its text ¦ put:readme.txt=first;start;o3;next;put:readme.txt=second;o3;next ¦ 1 Next > [] viewer'first' {readme.txt=second}
the guide in German ¦ put:@readme.txt=guide;dir:@de;put:@de/readme.txt=Anleitung;guide:de;start;o3;next ¦ 1 Next > [] viewer'Anleitung'
no Dutch guide: English ¦ put:@readme.txt=guide;guide:nl;start;o3;next ¦ 1 Next > [] viewer'guide'
a folder here is not passed over ¦ dir:readme.txt;put:@readme.txt=guide;guide:;start;o3;next ¦ 1 Next > [] {readme.txt/} : unread(., it is a folder)
a readme FIFO, the wizard works on ¦ fifo:readme.txt;start;o3;next;o2;next ¦ 2< Next > [] {readme.txt|} : unread(., it is not a regular file)
the installed copy only as a regular file ¦ fifo:@readme.txt;guide:;start;o3;next ¦ 1 Next > [] : unread(@, it is not a regular file)
neither ¦ start;o3;next ¦ 1 Next > [] : unread(., No such file or directory)
handed over ¦ start;next;add:cat;next;no;dbl4 ¦ : save? | start said cat reseeded 1
in list order ¦ list:ab cd ef;rand:0,0,0.4,0,0.9,0;practice;t:ab;r:ab;t:cd;r:cd;t:ef;r:ef;no ¦ : start | right[ab|ab||ab] | congrats(ab) | right[cd|cd||cd] | congrats(cd) | right[ef|ef||ef] | congrats(ef) | sum(0,3) said ab ab / cd cd / ef ef / / ended reseeded 4
a slot drawn before is drawn again ¦ list:ab cd ef;rand:0.5,0,0.5,0,0,0.6,0.1,0.99,0;practice;t:cd;r:cd;t:ab;r:ab;t:ef;r:ef;no ¦ : start | right[cd|cd||cd] | congrats(cd) | right[ab|ab||ab] | congrats(ab) | right[ef|ef||ef] | congrats(ef) | sum(0,3) said cd cd / ab ab / ef ef / / ended reseeded 4
five letters ¦ list:house;rand:0,0.5,0.5,0,0.9;practice;t:house;f5;t:hose;t:house;t:house;f5;r:house;no ¦ : start | right[house|house||house] | wrong[ho se|house|ho---|hose] | right[ho se|house||house] | right[ o se|house||house] | congrats(house) | sum(1,1) said house house house house / / ended reseeded 2
a combining accent and an emoji are hidden whole ¦ list:nai\u0308ve 🐱a;rand:0,0.5,0,0.99,0;practice;t:nai\u0308ve;t:nai\u0308ve;t:nai\u0308ve;r:nai\u0308ve;t:🐱a;r:🐱a;no ¦ : start | right[nai\u0308ve|nai\u0308ve||nai\u0308ve] | right[na ve|nai\u0308ve||nai\u0308ve] | right[ a ve|nai\u0308ve||nai\u0308ve] | congrats(nai\u0308ve) | right[🐱a|🐱a||🐱a] | congrats(🐱a) | sum(0,2) said nai\u0308ve nai\u0308ve / 🐱a 🐱a / / ended reseeded 3
blanks and capitals are wrong ¦ list:cat;rand:0,0,0.9,0,0.5,0;practice;t: cat;t:cat;t:Cat;t:cat;r:cat\x20;r:Cat;r:cat;yes;t:cat;t:cat;close:Form1;no ¦ : start | wrong[cat|cat|----| cat] | right[cat|cat||cat] | wrong[ at|cat|-at|Cat] | right[ at|cat||cat] | sorry(cat) | sorry(cat) | congrats(cat) | sum(4,1) | start | right[cat|cat||cat] | right[c t|cat||cat] | sum(0,1) said cat cat / cat cat / / ended reseeded 4
errors stop at their top ¦ list:ab;rand:0,0;practice;e:32766;t:xy;t:ab;r:x;r:ab;no ¦ : start | wrong[ab|ab|--|xy] | right[ab|ab||ab] | sorry(ab) | congrats(ab) | sum(32767,1) said ab ab / / ended reseeded 2
no words ¦ count:1;practice;yes;no ¦ : start | sum(0,0) | start | sum(0,0) said / ended reseeded 2
a word of no letters ¦ list:;rand:0;practice;t:;close:Form1;no ¦ : start | right | sum(0,1) said / / / / ended reseeded 2
ended during the start message ¦ list:ab;practice;! ¦ : start said / ended
ended during Wrong ¦ list:ab cd;rand:0;practice;t:xy;! ¦ : start | wrong[ab|ab|--|xy] said ab / ended reseeded 1
ended during Right ¦ list:ab cd;rand:0;practice;t:ab;! ¦ : start | right[ab|ab||ab] said ab / ended reseeded 1
the practice window closed during Right ¦ list:ab cd;rand:0;practice;t:ab;!close:Main ¦ : start | right[ab|ab||ab] said ab / ended reseeded 1
ended during Incorrect ¦ list:ab cd;rand:0,0;practice;t:ab;r:x;! ¦ : start | right[ab|ab||ab] | sorry(ab) said ab ab / / ended reseeded 1
ended during Congratulations ¦ list:ab cd;rand:0,0;practice;t:ab;r:ab;! ¦ : start | right[ab|ab||ab] | congrats(ab) said ab ab / / ended reseeded 1
)table";
