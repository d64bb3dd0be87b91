#include "demo/DemoData.h"

namespace {

using C = DemoCourse;

// Quantities are for 100 school portions (a soup of 2.5 dl, a main of 8-10 dkg meat).
// One entry a line, as a table.
// clang-format off
const QList<DemoDish> Dishes = {
    // Levesek
    {"Húsleves cérnametélttel", C::Soup, "11", "Csirke far-hát:8;Sárgarépa:3;Petrezselyemgyökér:2;Zellergumó:0.8;Cérnametélt:1.5;Egész bors:0.01"},
    {"Gyümölcsleves (meggyes)", C::Soup, "15", "!Meggy (magozott, fagyasztott):8;Kristálycukor:2;Tejföl 12%:2;Finomliszt BL55:0.6;Őrölt fahéj:0.01;Szegfűszeg:0.005"},
    {"Almaleves", C::Soup, "15", "!Alma:9;Kristálycukor:2;Tejföl 12%:2;Finomliszt BL55:0.6;Őrölt fahéj:0.01;Citromlé:0.1"},
    {"Zöldborsóleves", C::Soup, "12", "Zöldborsó (mélyhűtött):4;Sárgarépa:2;Petrezselyemgyökér:1;Finomliszt BL55:0.8;Petrezselyemzöld (friss):2"},
    {"Zöldségleves", C::Soup, "12", "Leveszöldség (mélyhűtött):6;Burgonya:3;Finomliszt BL55:0.6;Petrezselyemzöld (friss):2"},
    {"Karfiolleves", C::Soup, "17", "Karfiol:6;Sárgarépa:1.5;Tejföl 12%:2;Finomliszt BL55:0.8;Petrezselyemzöld (friss):2"},
    {"Brokkolikrémleves", C::Soup, "13", "Brokkoli:6;Burgonya:2;Főzőtejszín 20%:1.5;Szerecsendió (őrölt):0.005"},
    {"Sütőtökkrémleves", C::Soup, "13", "Sütőtök:8;Sárgarépa:2;Főzőtejszín 20%:1.5;Őrölt gyömbér:0.01"},
    {"Paradicsomleves betűtésztával", C::Soup, "12", "Paradicsomlé:12;Kristálycukor:1;Levesgyöngy:1.5;Zellergumó:0.5;Szegfűszeg:0.005"},
    {"Gulyásleves", C::Soup, "16", "Marhalábszár:6;Burgonya:6;Sárgarépa:2;Petrezselyemgyökér:1;Tölteni való paprika:1;Paradicsom:1;Fűszerpaprika (édes, őrölt):0.15;Köménymag (egész):0.02;Csigatészta:1"},
    {"Babgulyás", C::Soup, "14", "Marhalábszár:4;Tarkabab:2.5;Burgonya:3;Sárgarépa:1.5;Fűszerpaprika (édes, őrölt):0.15;Csigatészta:1"},
    {"Jókai bableves", C::Soup, "14", "Füstölt főtt tarja:4;Tarkabab:2.5;Sárgarépa:2;Petrezselyemgyökér:1;Tejföl 12%:2;Finomliszt BL55:0.6;Babérlevél:0.005"},
    {"Lencseleves", C::Soup, "14", "Lencse:3;Sárgarépa:1.5;Tejföl 12%:2;Finomliszt BL55:0.6;Babérlevél:0.005;Ételecet 10%:0.2"},
    {"Sárgaborsó-krémleves", C::Soup, "14", "Sárgaborsó (felezett):3;Sárgarépa:1.5;Zsemle:30"},
    {"Csontleves", C::Soup, "11", "Marhacsont (leveshez):8;Sárgarépa:3;Petrezselyemgyökér:2;Zellergumó:1;Levesgyöngy:1.5"},
    {"Tárkonyos csirkeraguleves", C::Soup, "16", "Csirke felsőcomb filé:5;Sárgarépa:2;Petrezselyemgyökér:1.5;Zöldborsó (mélyhűtött):1.5;Tejföl 12%:2;Finomliszt BL55:0.6;Tárkony (morzsolt):0.02;Citromlé:0.1"},
    {"Palócleves", C::Soup, "16", "Sertéslapocka csont nélkül:5;Burgonya:4;Zöldbab (mélyhűtött):3;Tejföl 12%:2;Finomliszt BL55:0.6;Szárított kapor:0.02;Köménymag (egész):0.01"},
    {"Burgonyaleves", C::Soup, "17", "Burgonya:7;Sárgarépa:1;Tejföl 12%:2;Finomliszt BL55:0.7;Fűszerpaprika (édes, őrölt):0.05;Babérlevél:0.005"},
    {"Gombaleves", C::Soup, "17", "Csiperkegomba:5;Sárgarépa:1.5;Tejföl 12%:2;Finomliszt BL55:0.7;Petrezselyemzöld (friss):2"},
    {"Zellerkrémleves", C::Soup, "13", "Zellergumó:5;Burgonya:2;Főzőtejszín 20%:1.5;Szerecsendió (őrölt):0.005"},
    {"Csirkés zöldségleves", C::Soup, "11", "Csirkemellfilé:3;Leveszöldség (mélyhűtött):6;Csigatészta:1.2;Petrezselyemzöld (friss):2"},
    {"Tejfölös karalábéleves", C::Soup, "17", "Karalábé:12;Sárgarépa:1;Tejföl 12%:2;Finomliszt BL55:0.7;Petrezselyemzöld (friss):2"},
    {"Hamis gulyásleves", C::Soup, "16", "Burgonya:7;Sárgarépa:2;Virsli:2;Tölteni való paprika:1;Fűszerpaprika (édes, őrölt):0.15;Csigatészta:1"},
    {"Sóskaleves", C::Soup, "17", "Sóskapüré (mélyhűtött):5;Tejföl 12%:2;Finomliszt BL55:0.7;Kristálycukor:0.5;Tojás (M):30"},
    // Húsételek
    {"Sertéspörkölt", C::Main, "21", "Sertéslapocka csont nélkül:10;Vöröshagyma:2;Tölteni való paprika:1;Paradicsom:1;Fűszerpaprika (édes, őrölt):0.15"},
    {"Bácskai rizses hús", C::Main, "21", "Sertéslapocka csont nélkül:8;Rizs (hosszú szemű):3;Lecsókeverék (mélyhűtött):4;Fűszerpaprika (édes, őrölt):0.1"},
    {"Rántott sertésszelet", C::Main, "21", "Sertéscomb csont nélkül:9;Finomliszt BL55:1;Tojás (M):40;Zsemlemorzsa:1.5;Napraforgó étolaj:2"},
    {"Sertés szűzérmék zöldborsós mártással", C::Main, "21", "Sertésszűzpecsenye:8;Zöldborsó (mélyhűtött):3;Főzőtejszín 20%:1.5;Finomliszt BL55:0.5"},
    {"Cigánypecsenye", C::Main, "21", "Sertéskaraj csont nélkül:9;Bacon szalonna:1;Fokhagyma:0.2;Fűszerpaprika (édes, őrölt):0.05"},
    {"Sertésragu zöldségekkel", C::Main, "21", "Sertéscomb csont nélkül:8;Sárgarépa:2;Zöldborsó (mélyhűtött):2;Finomliszt BL55:0.5;Majoránna (morzsolt):0.02"},
    {"Tejfölös sertésborda", C::Main, "21", "Sertéstarja:10;Tejföl 20%:2;Finomliszt BL55:0.4;Fokhagyma:0.1"},
    {"Brassói aprópecsenye", C::Main, "21", "Sertéscomb csont nélkül:8;Burgonya:10;Fokhagyma:0.3;Majoránna (morzsolt):0.02"},
    {"Marhapörkölt", C::Main, "22", "Marhalábszár:10;Vöröshagyma:2;Tölteni való paprika:1;Paradicsom:1;Fűszerpaprika (édes, őrölt):0.15"},
    {"Vadas marha", C::Main, "22", "Marhafelsál:9;Sárgarépa:3;Petrezselyemgyökér:2;Tejföl 20%:1.5;Mustár:0.3;Kristálycukor:0.3;Babérlevél:0.005"},
    {"Paprikás csirke", C::Main, "23", "Csirke felsőcomb filé:10;Tölteni való paprika:1;Paradicsom:1;Tejföl 20%:2;Finomliszt BL55:0.4;Fűszerpaprika (édes, őrölt):0.12"},
    {"Rántott csirkemell", C::Main, "23", "Csirkemellfilé:9;Finomliszt BL55:1;Tojás (M):40;Zsemlemorzsa:1.5;Napraforgó étolaj:2"},
    {"Sült csirkecomb", C::Main, "23", "Csirkecomb egész:20;Fokhagymapor:0.05;Fűszerpaprika (édes, őrölt):0.05"},
    {"Csirkemell sajtmártással", C::Main, "23", "Csirkemellfilé:9;Trappista sajt:1;Főzőtejszín 20%:1.5;Finomliszt BL55:0.4"},
    {"Mézes-mustáros csirkeszárny", C::Main, "23", "Csirkeszárny:18;Méz:0.5;Mustár:0.5"},
    {"Csirke tikka masala", C::Main, "23", "Csirke felsőcomb filé:9;Hámozott paradicsom konzerv:3;Főzőtejszín 20%:1.5;Curry (őrölt):0.05;Kurkuma (őrölt):0.02"},
    {"Csirkepaprikás galuskával", C::Main, "23", "Csirkecomb egész:18;Tejföl 20%:2;Finomliszt BL55:4;Tojás (M):30;Fűszerpaprika (édes, őrölt):0.12"},
    {"Pulykaragu tejszínes gombamártással", C::Main, "23", "Pulykamellfilé:8;Csiperkegomba:3;Főzőtejszín 20%:1.5;Finomliszt BL55:0.4"},
    {"Rántott pulykamell", C::Main, "23", "Pulykamellfilé:9;Finomliszt BL55:1;Tojás (M):40;Zsemlemorzsa:1.5;Napraforgó étolaj:2"},
    {"Pulykapörkölt", C::Main, "23", "Pulyka felsőcomb filé:10;Tölteni való paprika:1;Paradicsom:1;Fűszerpaprika (édes, őrölt):0.12"},
    {"Rántott halfilé", C::Main, "24", "Alaszkai tőkehal filé:9;Finomliszt BL55:1;Tojás (M):40;Zsemlemorzsa:1.5;Napraforgó étolaj:2;Citrom:0.5"},
    {"Sült hekk", C::Main, "24", "Hekk (fagyasztott):12;Finomliszt BL55:1;Napraforgó étolaj:2;Citrom:0.5"},
    {"Halrudacska", C::Main, "24", "!Halrudacska (fagyasztott):10;Napraforgó étolaj:1"},
    {"Fasírozott", C::Main, "25", "Darált sertéshús:8;Zsemle:60;Tojás (M):30;Fokhagyma:0.2;Zsemlemorzsa:1;Napraforgó étolaj:2"},
    {"Pulykafasírt", C::Main, "25", "Darált pulykahús:8;Zsemle:60;Tojás (M):30;Fokhagyma:0.2;Zsemlemorzsa:1;Napraforgó étolaj:2"},
    {"Töltött paprika paradicsommártással", C::Main, "25", "Darált sertéshús:6;Tölteni való paprika:10;Rizs (hosszú szemű):1.2;Paradicsomlé:10;Kristálycukor:1;Finomliszt BL55:0.6"},
    {"Székelykáposzta", C::Main, "25", "Sertéslapocka csont nélkül:7;Savanyú káposzta:10;Tejföl 20%:2;Fűszerpaprika (édes, őrölt):0.1;Köménymag (egész):0.02"},
    {"Rakott káposzta", C::Main, "25", "Darált sertéshús:6;Savanyú káposzta:8;Rizs (hosszú szemű):1.5;Tejföl 20%:2;Főzőkolbász:1.5"},
    {"Csirkemájas rizottó", C::Main, "26", "Csirkemáj:6;Rizs (hosszú szemű):5;Zöldborsó (mélyhűtött):2"},
    {"Virsli mustárral", C::Main, "27", "!Virsli:10;Mustár:0.8"},
    {"Sült kolbász", C::Main, "27", "!Főzőkolbász:10"},
    {"Lecsó kolbásszal", C::Main, "27", "Lecsópaprika:12;Paradicsom:4;Főzőkolbász:4;Tojás (M):50;Fűszerpaprika (édes, őrölt):0.05"},
    // Főzelékek
    {"Zöldborsófőzelék", C::Stew, "31", "Zöldborsó (mélyhűtött):12;Tej 2,8%:3;Kristálycukor:0.3;Petrezselyemzöld (friss):3"},
    {"Zöldbabfőzelék", C::Stew, "31", "Zöldbab (mélyhűtött):14;Tejföl 12%:2;Fokhagyma:0.1;Szárított kapor:0.02"},
    {"Spenótfőzelék", C::Stew, "31", "Vágott spenót (mélyhűtött):14;Tej 2,8%:4;Fokhagyma:0.2"},
    {"Sárgaborsó-főzelék", C::Stew, "32", "Sárgaborsó (felezett):4;Fokhagyma:0.1;Fűszerpaprika (édes, őrölt):0.05"},
    {"Lencsefőzelék", C::Stew, "32", "Lencse:4;Babérlevél:0.005;Ételecet 10%:0.2;Kristálycukor:0.2"},
    {"Babfőzelék", C::Stew, "32", "Szárazbab (fehér):4;Fokhagyma:0.1;Fűszerpaprika (édes, őrölt):0.05;Tejföl 12%:1.5"},
    {"Krumplifőzelék", C::Stew, "33", "Burgonya:14;Tejföl 12%:2;Babérlevél:0.005;Fűszerpaprika (édes, őrölt):0.05"},
    {"Kelkáposzta-főzelék", C::Stew, "34", "Kelkáposzta:12;Burgonya:3;Fokhagyma:0.2;Köménymag (egész):0.01"},
    {"Kaporos tökfőzelék", C::Stew, "35", "Főzőtök (gyalult):14;Tejföl 12%:2;Szárított kapor:0.03;Ételecet 10%:0.1"},
    {"Vegyes zöldségfőzelék", C::Stew, "36", "Vegyes zöldség (mélyhűtött):14;Tejföl 12%:1.5"},
    {"Sóskafőzelék", C::Stew, "31", "Sóskapüré (mélyhűtött):10;Tej 2,8%:4;Kristálycukor:0.6;Tojás (M):30"},
    {"Karalábéfőzelék", C::Stew, "31", "Karalábé:20;Tej 2,8%:3;Petrezselyemzöld (friss):3"},
    // Köretek
    {"Párolt rizs", C::Side, "42", "Rizs (hosszú szemű):6;Napraforgó étolaj:0.3"},
    {"Zöldséges rizs", C::Side, "42", "Rizs (hosszú szemű):5;Vegyes zöldség (mélyhűtött):3;Napraforgó étolaj:0.3"},
    {"Petrezselymes burgonya", C::Side, "41", "Burgonya:18;Vaj 82%:0.5;Petrezselyemzöld (friss):4"},
    {"Burgonyapüré", C::Side, "41", "Burgonya:18;Tej 2,8%:4;Vaj 82%:0.6"},
    {"Hasábburgonya", C::Side, "41", "Hasábburgonya (mélyhűtött):14;Napraforgó étolaj:1.5"},
    {"Steakburgonya", C::Side, "41", "Steakburgonya (mélyhűtött):14;Napraforgó étolaj:1"},
    {"Tepsis burgonya", C::Side, "41", "Burgonya:16;Napraforgó étolaj:1;Fűszerpaprika (édes, őrölt):0.03;Köménymag (egész):0.01"},
    {"Galuska", C::Side, "43", "Finomliszt BL55:6;Tojás (M):40;Napraforgó étolaj:0.3"},
    {"Párolt tarhonya", C::Side, "43", "Tarhonya:6;Vöröshagyma:0.5;Napraforgó étolaj:0.5;Fűszerpaprika (édes, őrölt):0.03"},
    {"Főtt tészta", C::Side, "43", "Penne tészta:7;Napraforgó étolaj:0.3"},
    {"Párolt zöldség", C::Side, "44", "Vegyes zöldség (mélyhűtött):12;Vaj 82%:0.5"},
    {"Kuszkusz", C::Side, "45", "Kuszkusz:6;Napraforgó étolaj:0.3"},
    {"Bulgur", C::Side, "45", "Bulgur:6;Napraforgó étolaj:0.3"},
    {"Párolt káposzta", C::Side, "44", "Vöröskáposzta:12;Kristálycukor:0.4;Ételecet 10%:0.2;Napraforgó étolaj:0.5"},
    // Tésztaételek és egytálételek
    {"Bolognai spagetti", C::OneDish, "51", "Spagetti tészta:9;Darált sertéshús:5;Hámozott paradicsom konzerv:4;Sárgarépa:1;Vöröshagyma:1;Oregánó (morzsolt):0.02;Trappista sajt:1"},
    {"Túrós csusza", C::OneDish, "51", "Nagykocka tészta:9;Túró (félzsíros):6;Tejföl 20%:2;Bacon szalonna:1.5"},
    {"Káposztás kocka", C::OneDish, "51", "Nagykocka tészta:9;Fejes káposzta:12;Napraforgó étolaj:1;Kristálycukor:0.3;Fekete bors (őrölt):0.02"},
    {"Krumplis tészta", C::OneDish, "51", "Csigatészta:8;Burgonya:10;Vöröshagyma:1.5;Napraforgó étolaj:1;Fűszerpaprika (édes, őrölt):0.05"},
    {"Diós tészta", C::OneDish, "51", "Szarvacska tészta:9;Dió (darált):1.5;Porcukor:1.5"},
    {"Mákos tészta", C::OneDish, "51", "Szarvacska tészta:9;Mák (darált):1.5;Porcukor:1.5"},
    {"Lekváros palacsinta", C::OneDish, "52", "Finomliszt BL55:4;Tej 2,8%:8;Tojás (M):80;Baracklekvár:4;Napraforgó étolaj:0.8"},
    {"Túrós palacsinta", C::OneDish, "52", "Finomliszt BL55:4;Tej 2,8%:8;Tojás (M):80;Túró (félzsíros):4;Kristálycukor:1;Mazsola:0.4;Napraforgó étolaj:0.8"},
    {"Grízes tészta", C::OneDish, "51", "Nagykocka tészta:9;Búzadara:2;Porcukor:1;Napraforgó étolaj:0.8"},
    {"Rakott krumpli", C::OneDish, "33", "Burgonya:16;Tojás (M):100;Főzőkolbász:3;Tejföl 20%:3"},
    {"Lasagne", C::OneDish, "51", "Lasagne lap:5;Darált marhahús:5;Hámozott paradicsom konzerv:4;Tej 2,8%:4;Trappista sajt:1.5;Finomliszt BL55:0.5;Vaj 82%:0.4"},
    {"Milánói makaróni", C::OneDish, "51", "Penne tészta:9;Főtt sonka (szeletelt):3;Paradicsompüré:1.5;Trappista sajt:1.5;Csiperkegomba:2"},
    {"Csirkés tortilla", C::OneDish, "23", "Tortilla lap:100;Csirkemellfilé:6;Jégsaláta:5;Kaliforniai paprika (piros):2;Natúr joghurt:2"},
    {"Szilvásgombóc", C::OneDish, "52", "Burgonya:12;Finomliszt BL55:4;Tojás (M):20;Szilva:6;Zsemlemorzsa:1.5;Napraforgó étolaj:1;Kristálycukor:1;Őrölt fahéj:0.01"},
    // Tízórai
    {"Vajas-mézes kenyér", C::Morning, "", "Félbarna kenyér:6;Vaj 82%:0.8;Méz:1"},
    {"Sonkás szendvics", C::Morning, "", "Zsemle:100;Kenhető margarin:0.8;Főtt sonka (szeletelt):2;Paradicsom:1.5"},
    {"Párizsis kenyér paprikával", C::Morning, "", "Félbarna kenyér:6;Kenhető margarin:0.8;Párizsi:2;Tölteni való paprika:2"},
    {"Körözött kiflivel", C::Morning, "", "Kifli:100;Túró (félzsíros):3;Vaj 82%:0.5;Vöröshagyma:0.3;Fűszerpaprika (édes, őrölt):0.03"},
    {"Tojáskrémes kenyér", C::Morning, "", "Teljes kiőrlésű kenyér:6;Tojás (M):80;Majonéz:0.8;Mustár:0.1"},
    {"Kakaó kaláccsal", C::Morning, "", "Tej 2,8%:20;Kakaópor:0.4;Kristálycukor:1;Kalács:6"},
    {"Tejbegríz", C::Morning, "", "Tej 2,8%:20;Búzadara:2;Kristálycukor:1;Kakaópor:0.3"},
    {"Zabkása gyümölccsel", C::Morning, "", "Zabpehely:4;Tej 1,5%:18;Banán:5;Méz:0.6"},
    {"Müzli joghurttal", C::Morning, "", "Müzli:4;Natúr joghurt:15;Alma:4"},
    {"Májkrémes kenyér uborkával", C::Morning, "", "Félbarna kenyér:6;Májkrém:2;Salátauborka:2"},
    {"Sajtos-vajas pirítós", C::Morning, "", "Fehér kenyér:6;Vaj 82%:0.6;Trappista sajt:2"},
    // Uzsonna
    {"Gyümölcsjoghurt kiflivel", C::Afternoon, "", "Gyümölcsjoghurt:15;Kifli:100"},
    {"Kakaós csiga tejjel", C::Afternoon, "", "Kakaós csiga:100;Tej 1,5%:20"},
    {"Túrókrémes kenyér retekkel", C::Afternoon, "", "Teljes kiőrlésű kenyér:5;Tejszínes túrókrém:3;Retek:10"},
    {"Lekváros kenyér", C::Afternoon, "", "Fehér kenyér:5;Kenhető margarin:0.6;Szilvalekvár:2"},
    {"Sajtos pogácsa almával", C::Afternoon, "", "Sajtos pogácsa:4;Alma:10"},
    {"Tejes kukoricapehely", C::Afternoon, "", "Kukoricapehely:3;Tej 1,5%:20"},
    {"Vajas zsemle paprikával", C::Afternoon, "", "Zsemle:100;Vaj 82%:0.8;Kaliforniai paprika (piros):3"},
    {"Kefir graham kiflivel", C::Afternoon, "", "Kefir:18;Graham kifli:100"},
    {"Túrós batyu", C::Afternoon, "", "Túrós batyu:100"},
    {"Almás rétes", C::Afternoon, "52", "Rétes tészta:3;Alma:8;Kristálycukor:1;Őrölt fahéj:0.02;Napraforgó étolaj:0.6"},
    // Desszertek és saláták
    {"Vaníliapuding", C::Dessert, "52", "Tej 2,8%:12;Vaníliás pudingpor:25;Kristálycukor:1.2"},
    {"Csokoládépuding", C::Dessert, "52", "Tej 2,8%:12;Csokoládés pudingpor:25;Kristálycukor:1.2"},
    {"Piskótatekercs", C::Dessert, "52", "Finomliszt BL55:1.5;Tojás (M):60;Kristálycukor:1.5;Baracklekvár:1.5"},
    {"Gyümölcssaláta", C::Dessert, "52", "Alma:4;Banán:3;Narancs:3;Citromlé:0.1"},
    {"Uborkasaláta", C::Salad, "53", "Kígyóuborka:10"},
    {"Káposztasaláta", C::Salad, "53", "Fejes káposzta:8;Sárgarépa:1"},
    {"Paradicsomsaláta", C::Salad, "53", "Paradicsom:9;Lilahagyma:0.5"},
    {"Céklasaláta", C::Salad, "53", "Cékla:9;Köménymag (egész):0.01"},
};
// clang-format on

} // namespace

const QList<DemoDish> &DemoData::dishes()
{
    return Dishes;
}

const char *DemoData::baseLines(DemoCourse course)
{
    switch (course) {
    case DemoCourse::Soup:
        return "Vöröshagyma:1;Napraforgó étolaj:0.5;Asztali só:0.35;Fekete bors (őrölt):0.01";
    case DemoCourse::Main:
        return "Vöröshagyma:1.5;Napraforgó étolaj:0.8;Asztali só:0.3;Fekete bors (őrölt):0.02";
    case DemoCourse::Stew:
        return "Finomliszt BL55:0.6;Napraforgó étolaj:0.6;Asztali só:0.3";
    case DemoCourse::Side:
    case DemoCourse::OneDish:
        return "Asztali só:0.15";
    case DemoCourse::Salad:
        return "Ételecet 10%:0.3;Kristálycukor:0.2;Asztali só:0.05";
    case DemoCourse::Morning:
    case DemoCourse::Afternoon:
    case DemoCourse::Dessert:
        break;
    }
    return "";
}
