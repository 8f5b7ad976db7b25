<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>Checks</name>
    <message>
        <source>Style list</source>
        <translation>لائحة الأنماط</translation>
    </message>
    <message>
        <source>Project can not be compiled. You don&apos;t have menu styles.</source>
        <translation>لا يمكن بناء المشروع. لا توجد لديك أنماط قوائم.</translation>
    </message>
    <message>
        <source>%1 more problems are not listed; mend the ones above first.</source>
        <translation>لم تُعرض %1 من المشكلات الأخرى؛ أصلح المشكلات الواردة أعلاه أولًا.</translation>
    </message>
    <message>
        <source>Design</source>
        <translation>التصميم</translation>
    </message>
    <message>
        <source>No menu uses this style.</source>
        <translation>لا توجد قائمة تستخدم هذا النمط.</translation>
    </message>
    <message>
        <source>%1 has a contrast of %2:1; text needs at least %3:1 to be read.</source>
        <translation>تباين %1 هو %2:1؛ ويحتاج النص إلى %3:1 على الأقل ليكون مقروءًا.</translation>
    </message>
    <message>
        <source>Its entries are %1 px high; visitors need at least 24 px to hit them (raise &quot;Font Size&quot; or &quot;Menu Item Padding&quot;).</source>
        <translation>ارتفاع عناصره %1 px؛ ويحتاج الزوار إلى 24 px على الأقل للنقر عليها بسهولة (زِد «حجم الخط» أو «حشوة عنصر القائمة»).</translation>
    </message>
    <message>
        <source>Its address is a javascript: address, which runs script on your pages and does nothing where script is blocked.</source>
        <translation>عنوانه من نوع javascript:، وهو يشغّل برنامجًا نصيًا في صفحاتك ولا يفعل شيئًا حيث تُحظر البرامج النصية.</translation>
    </message>
    <message>
        <source>The item has no address, so visitors cannot follow it.</source>
        <translation>ليس للعنصر عنوان، لذا لا يستطيع الزوار الانتقال إليه.</translation>
    </message>
    <message>
        <source>Its address is still the placeholder &quot;%1&quot;; give it the page it should open, or clear it.</source>
        <translation>لا يزال عنوانه هو العنوان المؤقت «%1»؛ أدخل الصفحة التي يجب أن يفتحها، أو امسحه.</translation>
    </message>
    <message>
        <source>Its address &quot;%1&quot; is also the address of &quot;%2&quot; in this menu.</source>
        <translation>عنوانه «%1» هو أيضًا عنوان «%2» في هذه القائمة.</translation>
    </message>
    <message>
        <source>The entry has no caption; visitors see an empty row.</source>
        <translation>ليس لهذا العنصر تسمية؛ يرى الزوار صفًا فارغًا.</translation>
    </message>
    <message>
        <source>Its caption is %1 characters long; more than %2 wrap onto further lines.</source>
        <translation>عدد أحرف تسميته %1؛ وما يتجاوز %2 من الأحرف يلتف إلى أسطر أخرى.</translation>
    </message>
    <message>
        <source>Its address &quot;%1&quot; names no file in the site&apos;s folder.</source>
        <translation>عنوانه «%1» لا يشير إلى أي ملف في مجلد الموقع.</translation>
    </message>
    <message>
        <source>The group has no entries, so its submenu opens nothing.</source>
        <translation>لا تحتوي المجموعة على عناصر، لذا لا تفتح قائمتها الفرعية شيئًا.</translation>
    </message>
    <message>
        <source>Its submenu is nested %1 levels deep; menus deeper than %2 levels are hard to reach.</source>
        <translation>تتداخل قائمته الفرعية حتى عمق %1 من المستويات؛ ويصعب الوصول إلى القوائم التي يزيد عمقها على %2 من المستويات.</translation>
    </message>
    <message>
        <source>Style &quot;%1&quot;</source>
        <translation>النمط «%1»</translation>
    </message>
    <message>
        <source>Main menu options</source>
        <translation>خيارات القائمة الرئيسية</translation>
    </message>
    <message>
        <source>(no caption)</source>
        <translation>(بلا تسمية)</translation>
    </message>
    <message>
        <source>Its description is drawn at %1 px in %2, a contrast of %3:1; text this small needs at least %4:1 to be read.</source>
        <translation>يُرسم وصفه بحجم %1 px بألوان %2، بتباين %3:1؛ ويحتاج النص بهذا الحجم الصغير إلى %4:1 على الأقل ليكون مقروءًا.</translation>
    </message>
    <message>
        <source>Its badge is drawn at %1 px in %2, a contrast of %3:1; text this small needs at least %4:1 to be read.</source>
        <translation>تُرسم شارته بحجم %1 px بألوان %2، بتباين %3:1؛ ويحتاج النص بهذا الحجم الصغير إلى %4:1 على الأقل ليكون مقروءًا.</translation>
    </message>
    <message>
        <source>Its icon &quot;%1&quot; is none of the drawn icons and no .svg file, so no icon is drawn.</source>
        <translation>أيقونته «%1» ليست من الأيقونات المضمّنة ولا ملف ‎.svg، لذا لا تُرسم أي أيقونة.</translation>
    </message>
    <message>
        <source>Its icon file &quot;%1&quot; %2, so no icon is drawn.</source>
        <translation>ملف أيقونته «%1» %2، لذا لا تُرسم أي أيقونة.</translation>
    </message>
    <message>
        <source>at the small screen width of %1 px</source>
        <translation>عند عرض الشاشة الصغيرة البالغ %1 px</translation>
    </message>
    <message>
        <source>in a window %1 px wide</source>
        <translation>في نافذة عرضها %1 px</translation>
    </message>
    <message>
        <source>Its panel&apos;s %1 columns need about %2 px, but %3 only %4 fit, so the captions are squeezed (set &quot;Columns&quot; to %4 or 0, or raise &quot;Small screen width&quot; on the main menu).</source>
        <translation>تحتاج أعمدة لوحته البالغ عددها %1 إلى نحو %2 px، لكن لا يتسع منها إلا %4 %3، لذا تُضغط التسميات (اضبط «الأعمدة» على %4 أو 0، أو زِد «عرض الشاشة الصغيرة» في القائمة الرئيسية).</translation>
    </message>
    <message>
        <source>&quot;When no room&quot; is More, but &quot;More caption&quot; holds only characters that draw nothing, so the entry that gathers the rest of the bar is empty and screen readers give it no name; type a caption or empty the field for &quot;More&quot;.</source>
        <translation>قيمة «عند ضيق المساحة» هي «المزيد»، لكن «تسمية المزيد» لا تحتوي إلا على أحرف لا تظهر، لذا يبقى العنصر الذي يجمع بقية الشريط فارغًا ولا تعطيه برامج قراءة الشاشة أي اسم؛ اكتب تسمية أو أفرغ الحقل لتُستخدم الكلمة «المزيد».</translation>
    </message>
    <message>
        <source>&quot;Mouse Off Font&quot; on &quot;Mouse Off Background&quot;</source>
        <translation>«لون الخط العادي» على «لون الخلفية العادي»</translation>
    </message>
    <message>
        <source>&quot;Mouse On Font&quot; on &quot;Mouse On Background&quot;</source>
        <translation>«لون الخط عند التمرير» على «لون الخلفية عند التمرير»</translation>
    </message>
    <message>
        <source>&quot;Menu Header Font Color&quot; on &quot;Menu Header Background&quot;</source>
        <translation>«لون خط رأس القائمة» على «خلفية رأس القائمة»</translation>
    </message>
    <message>
        <source>ends before its elements are closed</source>
        <translation>ينتهي قبل إغلاق عناصره</translation>
    </message>
    <message>
        <source>holds no svg element</source>
        <translation>لا يحتوي على عنصر svg</translation>
    </message>
    <message>
        <source>has a comment that does not end</source>
        <translation>يحتوي على تعليق لا ينتهي</translation>
    </message>
    <message>
        <source>declares a document type, entities or character data, which an icon may not</source>
        <translation>يعرّف نوع مستند أو كيانات أو بيانات حرفية، وهو ما لا يجوز في أيقونة</translation>
    </message>
    <message>
        <source>has an XML declaration that does not end</source>
        <translation>يحتوي على تصريح XML لا ينتهي</translation>
    </message>
    <message>
        <source>holds a processing instruction</source>
        <translation>يحتوي على تعليمة معالجة</translation>
    </message>
    <message>
        <source>is not well-formed XML</source>
        <translation>ليس XML سليم البنية</translation>
    </message>
    <message>
        <source>holds a %1 element, which an icon may not</source>
        <translation>يحتوي على عنصر %1، وهو ما لا يجوز في أيقونة</translation>
    </message>
    <message>
        <source>holds more than one drawing</source>
        <translation>يحتوي على أكثر من رسم واحد</translation>
    </message>
    <message>
        <source>does not begin with an svg element</source>
        <translation>لا يبدأ بعنصر svg</translation>
    </message>
    <message>
        <source>holds an svg element inside another</source>
        <translation>يحتوي على عنصر svg داخل عنصر آخر</translation>
    </message>
    <message>
        <source>nests its elements more than %1 deep</source>
        <translation>يُداخل عناصره في أكثر من %1 مستوى</translation>
    </message>
    <message>
        <source>ends inside the %1 element&apos;s tag</source>
        <translation>ينتهي داخل وسم العنصر %1</translation>
    </message>
    <message>
        <source>closes a %1 element it did not open</source>
        <translation>يُغلق عنصر %1 لم يفتحه</translation>
    </message>
    <message>
        <source>has an event attribute (%1)</source>
        <translation>يحتوي على سمة حدث (%1)</translation>
    </message>
    <message>
        <source>links to another file or address (%1)</source>
        <translation>يرتبط بملف أو عنوان آخر (%1)</translation>
    </message>
    <message>
        <source>refers to something outside the drawing (%1)</source>
        <translation>يشير إلى شيء خارج الرسم (%1)</translation>
    </message>
    <message>
        <source>uses an entity (&amp;%1;), which an icon may not</source>
        <translation>يستخدم كيانًا (&amp;%1;)، وهو ما لا يجوز في أيقونة</translation>
    </message>
    <message>
        <source>is larger than %1 KB</source>
        <translation>أكبر من %1 كيلوبايت</translation>
    </message>
    <message>
        <source>is not UTF-8 text</source>
        <translation>ليس نصًا بترميز UTF-8</translation>
    </message>
    <message>
        <source>cannot be found until the project is saved, since it is looked for beside the project</source>
        <translation>لا يمكن العثور عليه قبل حفظ المشروع، لأنه يُبحث عنه في مجلد المشروع</translation>
    </message>
    <message>
        <source>is not beside the project (name it relative to the project&apos;s folder, without &quot;..&quot;)</source>
        <translation>ليس في مجلد المشروع (سمِّه نسبةً إلى مجلد المشروع، دون «..»)</translation>
    </message>
    <message>
        <source>does not exist beside the project</source>
        <translation>غير موجود في مجلد المشروع</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>تتعذّر قراءته</translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>File</source>
        <translation>ملف</translation>
    </message>
    <message>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>جديد(&amp;N)</translation>
    </message>
    <message>
        <source>Create new project</source>
        <translation>إنشاء مشروع جديد</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>فتح(&amp;O)</translation>
    </message>
    <message>
        <source>Open existing project</source>
        <translation>فتح مشروع موجود</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>حفظ(&amp;S)</translation>
    </message>
    <message>
        <source>Save current project</source>
        <translation>حفظ المشروع الحالي</translation>
    </message>
    <message>
        <source>Save as ...</source>
        <translation>حفظ باسم ...</translation>
    </message>
    <message>
        <source>S&amp;ave as ...</source>
        <translation>حفظ باسم(&amp;A) ...</translation>
    </message>
    <message>
        <source>Save project as</source>
        <translation>حفظ المشروع باسم</translation>
    </message>
    <message>
        <source>Publish menu</source>
        <translation>نشر القائمة</translation>
    </message>
    <message>
        <source>&amp;Publish menu</source>
        <translation>نشر القائمة(&amp;P)</translation>
    </message>
    <message>
        <source>Create necessary files to publish menu</source>
        <translation>إنشاء الملفات اللازمة لنشر القائمة</translation>
    </message>
    <message>
        <source>Publish to site…</source>
        <translation>النشر على الموقع…</translation>
    </message>
    <message>
        <source>Publish &amp;to site…</source>
        <translation>النشر على الموقع(&amp;T)…</translation>
    </message>
    <message>
        <source>Send the menu&apos;s files straight to a web server</source>
        <translation>إرسال ملفات القائمة مباشرةً إلى خادم ويب</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>خروج(&amp;E)</translation>
    </message>
    <message>
        <source>Export menu as HTML</source>
        <translation>تصدير القائمة بتنسيق HTML</translation>
    </message>
    <message>
        <source>E&amp;xport menu as HTML</source>
        <translation>تصدير القائمة بتنسيق HTML(&amp;X)</translation>
    </message>
    <message>
        <source>Write the menu as a plain HTML list of links</source>
        <translation>كتابة القائمة كلائحة HTML بسيطة من الروابط</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>تحرير</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>تراجع</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>تراجع(&amp;U)</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>التراجع عن آخر تغيير</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>إعادة</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>إعادة(&amp;R)</translation>
    </message>
    <message>
        <source>Redo the last change undone</source>
        <translation>إعادة آخر تغيير تم التراجع عنه</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>قص</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>قص(&amp;T)</translation>
    </message>
    <message>
        <source>Cut the selection to the clipboard</source>
        <translation>قص التحديد إلى الحافظة</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>نسخ</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>نسخ(&amp;C)</translation>
    </message>
    <message>
        <source>Copy the selection to the clipboard</source>
        <translation>نسخ التحديد إلى الحافظة</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>لصق</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>لصق(&amp;P)</translation>
    </message>
    <message>
        <source>Paste from the clipboard after the selection</source>
        <translation>لصق من الحافظة بعد التحديد</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>تكرار</translation>
    </message>
    <message>
        <source>&amp;Duplicate</source>
        <translation>تكرار(&amp;D)</translation>
    </message>
    <message>
        <source>Duplicate the selection</source>
        <translation>تكرار التحديد</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>تحريك لأعلى</translation>
    </message>
    <message>
        <source>Move u&amp;p</source>
        <translation>تحريك لأعلى(&amp;P)</translation>
    </message>
    <message>
        <source>Move the selection up</source>
        <translation>تحريك التحديد لأعلى</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>تحريك لأسفل</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>تحريك لأسفل(&amp;W)</translation>
    </message>
    <message>
        <source>Move the selection down</source>
        <translation>تحريك التحديد لأسفل</translation>
    </message>
    <message>
        <source>Move out of the group</source>
        <translation>إخراج من المجموعة</translation>
    </message>
    <message>
        <source>Move &amp;out of the group</source>
        <translation>إخراج من المجموعة(&amp;O)</translation>
    </message>
    <message>
        <source>Move the selection out of its group</source>
        <translation>إخراج التحديد من مجموعته</translation>
    </message>
    <message>
        <source>Move into the previous group</source>
        <translation>إدخال في المجموعة السابقة</translation>
    </message>
    <message>
        <source>Move &amp;into the previous group</source>
        <translation>إدخال في المجموعة السابقة(&amp;I)</translation>
    </message>
    <message>
        <source>Move the selection into the group above it</source>
        <translation>إدخال التحديد في المجموعة التي فوقه</translation>
    </message>
    <message>
        <source>Sort by caption</source>
        <translation>فرز حسب التسمية</translation>
    </message>
    <message>
        <source>&amp;Sort by caption</source>
        <translation>فرز حسب التسمية(&amp;S)</translation>
    </message>
    <message>
        <source>Sort the entries of the selected group by caption</source>
        <translation>فرز عناصر المجموعة المحددة حسب التسمية</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>بحث(&amp;F)...</translation>
    </message>
    <message>
        <source>Find captions, addresses and style names</source>
        <translation>البحث في التسميات والعناوين وأسماء الأنماط</translation>
    </message>
    <message>
        <source>Find next</source>
        <translation>البحث عن التالي</translation>
    </message>
    <message>
        <source>Find &amp;next</source>
        <translation>البحث عن التالي(&amp;N)</translation>
    </message>
    <message>
        <source>Select the next match</source>
        <translation>تحديد التطابق التالي</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>القائمة</translation>
    </message>
    <message>
        <source>New menu group</source>
        <translation>مجموعة قائمة جديدة</translation>
    </message>
    <message>
        <source>&amp;New menu group</source>
        <translation>مجموعة قائمة جديدة(&amp;N)</translation>
    </message>
    <message>
        <source>Create new menu group</source>
        <translation>إنشاء مجموعة قائمة جديدة</translation>
    </message>
    <message>
        <source>Delete menu group</source>
        <translation>حذف مجموعة القائمة</translation>
    </message>
    <message>
        <source>&amp;Delete menu group</source>
        <translation>حذف مجموعة القائمة(&amp;D)</translation>
    </message>
    <message>
        <source>Delete selected menu group</source>
        <translation>حذف مجموعة القائمة المحددة</translation>
    </message>
    <message>
        <source>How to use groups</source>
        <translation>كيفية استخدام المجموعات</translation>
    </message>
    <message>
        <source>H&amp;ow to use groups</source>
        <translation>كيفية استخدام المجموعات(&amp;O)</translation>
    </message>
    <message>
        <source>New menu item</source>
        <translation>عنصر قائمة جديد</translation>
    </message>
    <message>
        <source>N&amp;ew menu item</source>
        <translation>عنصر قائمة جديد(&amp;E)</translation>
    </message>
    <message>
        <source>Create new menu item</source>
        <translation>إنشاء عنصر قائمة جديد</translation>
    </message>
    <message>
        <source>Delete menu item</source>
        <translation>حذف عنصر القائمة</translation>
    </message>
    <message>
        <source>De&amp;lete menu item</source>
        <translation>حذف عنصر القائمة(&amp;L)</translation>
    </message>
    <message>
        <source>Delete selected menu item</source>
        <translation>حذف عنصر القائمة المحدد</translation>
    </message>
    <message>
        <source>How to use menu item</source>
        <translation>كيفية استخدام عنصر القائمة</translation>
    </message>
    <message>
        <source>&amp;How to use menu item</source>
        <translation>كيفية استخدام عنصر القائمة(&amp;H)</translation>
    </message>
    <message>
        <source>How to use menu options</source>
        <translation>كيفية استخدام خيارات القائمة</translation>
    </message>
    <message>
        <source>Styles</source>
        <translation>الأنماط</translation>
    </message>
    <message>
        <source>New style</source>
        <translation>نمط جديد</translation>
    </message>
    <message>
        <source>&amp;New style</source>
        <translation>نمط جديد(&amp;N)</translation>
    </message>
    <message>
        <source>Create new menu item style</source>
        <translation>إنشاء نمط جديد لعناصر القائمة</translation>
    </message>
    <message>
        <source>Insert favorete style</source>
        <translation>إدراج نمط مفضل</translation>
    </message>
    <message>
        <source>&amp;Insert favorete style</source>
        <translation>إدراج نمط مفضل(&amp;I)</translation>
    </message>
    <message>
        <source>Delete style</source>
        <translation>حذف النمط</translation>
    </message>
    <message>
        <source>&amp;Delete style</source>
        <translation>حذف النمط(&amp;D)</translation>
    </message>
    <message>
        <source>Delete selected style</source>
        <translation>حذف النمط المحدد</translation>
    </message>
    <message>
        <source>Add to favorites</source>
        <translation>إضافة إلى المفضلة</translation>
    </message>
    <message>
        <source>&amp;Add to favorites</source>
        <translation>إضافة إلى المفضلة(&amp;A)</translation>
    </message>
    <message>
        <source>Add current style to favorites</source>
        <translation>إضافة النمط الحالي إلى المفضلة</translation>
    </message>
    <message>
        <source>How to use styles</source>
        <translation>كيفية استخدام الأنماط</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>معاينة</translation>
    </message>
    <message>
        <source>Update Preview</source>
        <translation>تحديث المعاينة</translation>
    </message>
    <message>
        <source>U&amp;pdate Preview</source>
        <translation>تحديث المعاينة(&amp;P)</translation>
    </message>
    <message>
        <source>Update preview window</source>
        <translation>تحديث نافذة المعاينة</translation>
    </message>
    <message>
        <source>Open HTML to preview</source>
        <translation>فتح صفحة HTML للمعاينة</translation>
    </message>
    <message>
        <source>&amp;Open HTML to preview</source>
        <translation>فتح صفحة HTML للمعاينة(&amp;O)</translation>
    </message>
    <message>
        <source>Use default preview</source>
        <translation>استخدام المعاينة الافتراضية</translation>
    </message>
    <message>
        <source>&amp;Use default preview</source>
        <translation>استخدام المعاينة الافتراضية(&amp;U)</translation>
    </message>
    <message>
        <source>Use default HTML page to preview</source>
        <translation>استخدام صفحة HTML الافتراضية للمعاينة</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>استيراد</translation>
    </message>
    <message>
        <source>From windows favorities</source>
        <translation>من مفضلة Windows</translation>
    </message>
    <message>
        <source>Import menu from windows favorities</source>
        <translation>استيراد قائمة من مفضلة Windows</translation>
    </message>
    <message>
        <source>From bookmarks file</source>
        <translation>من ملف إشارات مرجعية</translation>
    </message>
    <message>
        <source>Import from &amp;bookmarks file...</source>
        <translation>استيراد من ملف إشارات مرجعية(&amp;B)...</translation>
    </message>
    <message>
        <source>Import menu from a browser&apos;s bookmarks file</source>
        <translation>استيراد قائمة من ملف الإشارات المرجعية لمتصفح</translation>
    </message>
    <message>
        <source>From site map</source>
        <translation>من خريطة موقع</translation>
    </message>
    <message>
        <source>Import from &amp;site map...</source>
        <translation>استيراد من خريطة موقع(&amp;S)...</translation>
    </message>
    <message>
        <source>Import menu from a site map (sitemap.xml)</source>
        <translation>استيراد قائمة من خريطة موقع (sitemap.xml)</translation>
    </message>
    <message>
        <source>From page navigation</source>
        <translation>من روابط التنقل في صفحة</translation>
    </message>
    <message>
        <source>Import from page &amp;navigation...</source>
        <translation>استيراد من روابط التنقل في صفحة(&amp;N)...</translation>
    </message>
    <message>
        <source>Import menu from the navigation of an HTML page</source>
        <translation>استيراد قائمة من روابط التنقل في صفحة HTML</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>أدوات</translation>
    </message>
    <message>
        <source>&amp;Customize</source>
        <translation>تخصيص(&amp;C)</translation>
    </message>
    <message>
        <source>Customize toolbar</source>
        <translation>تخصيص شريط الأدوات</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>تعليمات</translation>
    </message>
    <message>
        <source>How to use program</source>
        <translation>كيفية استخدام البرنامج</translation>
    </message>
    <message>
        <source>&amp;How to use program</source>
        <translation>كيفية استخدام البرنامج(&amp;H)</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>الصفحة الرئيسية</translation>
    </message>
    <message>
        <source>H&amp;ome page</source>
        <translation>الصفحة الرئيسية(&amp;O)</translation>
    </message>
    <message>
        <source>Korvane home page</source>
        <translation>الصفحة الرئيسية لـ Korvane</translation>
    </message>
    <message>
        <source>E-Mail to us</source>
        <translation>راسلنا بالبريد الإلكتروني</translation>
    </message>
    <message>
        <source>&amp;E-Mail to us</source>
        <translation>راسلنا بالبريد الإلكتروني(&amp;E)</translation>
    </message>
    <message>
        <source>About program</source>
        <translation>حول البرنامج</translation>
    </message>
    <message>
        <source>&amp;About program</source>
        <translation>حول البرنامج(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ملف(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>تحرير(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Menu</source>
        <translation>القائمة(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Styles</source>
        <translation>الأنماط(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>معاينة(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>أدوات(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>تعليمات(&amp;H)</translation>
    </message>
    <message>
        <source>Recent files...</source>
        <translation>الملفات الأخيرة...</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>الأوامر</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>Change %1</source>
        <translation>تغيير %1</translation>
    </message>
    <message>
        <source>Change %1 values</source>
        <translation>تغيير %1 من القيم</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>تغيير</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>تراجع</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>تراجع عن %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>إعادة</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>إعادة %1</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>قص</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>لصق</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>تكرار</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>تحريك لأعلى</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>تحريك لأسفل</translation>
    </message>
    <message>
        <source>Move Out</source>
        <translation>إخراج من مجموعة</translation>
    </message>
    <message>
        <source>Move In</source>
        <translation>إدخال في مجموعة</translation>
    </message>
    <message>
        <source>Insert Favorite Style</source>
        <translation>إدراج نمط مفضل</translation>
    </message>
    <message>
        <source>Import Favorites</source>
        <translation>استيراد المفضلة</translation>
    </message>
    <message>
        <source>Import Menu</source>
        <translation>استيراد قائمة</translation>
    </message>
    <message>
        <source>Add Group</source>
        <translation>إضافة مجموعة</translation>
    </message>
    <message>
        <source>Add Item</source>
        <translation>إضافة عنصر</translation>
    </message>
    <message>
        <source>Delete Group</source>
        <translation>حذف مجموعة</translation>
    </message>
    <message>
        <source>Delete Item</source>
        <translation>حذف عنصر</translation>
    </message>
    <message>
        <source>Move Group</source>
        <translation>نقل مجموعة</translation>
    </message>
    <message>
        <source>Move Item</source>
        <translation>نقل عنصر</translation>
    </message>
    <message>
        <source>Sort by Caption</source>
        <translation>فرز حسب التسمية</translation>
    </message>
    <message>
        <source>Repair menu style</source>
        <translation>إصلاح نمط القائمة</translation>
    </message>
    <message>
        <source>New Style</source>
        <translation>نمط جديد</translation>
    </message>
    <message>
        <source>Delete Style</source>
        <translation>حذف نمط</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>بلا عنوان</translation>
    </message>
</context>
<context>
    <name>Editor</name>
    <message>
        <source>%1 would make the project larger than %2, more than Tarvex can open again. Nothing was added.</source>
        <translation>%1 سيجعل المشروع أكبر من %2، أي أكبر مما يستطيع Tarvex فتحه مرة أخرى. لم تتم إضافة أي شيء.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>خطأ</translation>
    </message>
    <message>
        <source>Importing this</source>
        <translation>استيراد هذا</translation>
    </message>
    <message>
        <source>The clipboard holds more than %1, more than a Tarvex project can hold. Nothing was pasted.</source>
        <translation>تحتوي الحافظة على أكثر من %1، وهو أكثر مما يتسع له مشروع Tarvex. لم يُلصق أي شيء.</translation>
    </message>
    <message>
        <source>Pasting this</source>
        <translation>لصق هذا</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>تحذير</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>تأكيد</translation>
    </message>
    <message>
        <source>Project has changed. Do you want to save changes?</source>
        <translation>تم تغيير المشروع. هل تريد حفظ التغييرات؟</translation>
    </message>
    <message>
        <source>Cannot create file %1.%2</source>
        <translation>تعذّر إنشاء الملف %1.%2</translation>
    </message>
    <message>
        <source>Tarvex Files (xml)|*.xml|All files|*.*</source>
        <translation>ملفات Tarvex ‏(xml)|*.xml|كل الملفات|*.*</translation>
    </message>
    <message>
        <source>Select menu style which you want add to favorites</source>
        <translation>حدد نمط القائمة الذي تريد إضافته إلى المفضلة</translation>
    </message>
    <message>
        <source>Favotite style name</source>
        <translation>اسم النمط المفضل</translation>
    </message>
    <message>
        <source>Type favorite name</source>
        <translation>اكتب اسم النمط المفضل</translation>
    </message>
    <message>
        <source>Style with this name already exist. Use another style name</source>
        <translation>يوجد نمط بهذا الاسم بالفعل. استخدم اسمًا آخر للنمط</translation>
    </message>
    <message>
        <source>The favorites file cannot hold these characters, so they become &quot;?&quot; in the favorite (the project keeps them): %1

Add to favorites anyway?</source>
        <translation>لا يستطيع ملف المفضلة حفظ هذه الأحرف، لذا ستصبح «?» في النمط المفضل (ويحتفظ بها المشروع): %1

هل تريد الإضافة إلى المفضلة رغم ذلك؟</translation>
    </message>
    <message>
        <source>Can&apos;t save read-only file %1!</source>
        <translation>لا يمكن حفظ الملف %1 لأنه للقراءة فقط!</translation>
    </message>
    <message>
        <source>%1 is open in another Tarvex window.</source>
        <translation>%1 مفتوح في نافذة Tarvex أخرى.</translation>
    </message>
    <message>
        <source>The file %1 was changed by another program since you opened it.</source>
        <translation>غيّر برنامج آخر الملف %1 منذ أن فتحته.</translation>
    </message>
    <message>
        <source>Unable to save %1 in the folder %2!</source>
        <translation>تعذّر حفظ %1 في المجلد %2!</translation>
    </message>
    <message>
        <source>%1%2

Save the project in another folder?</source>
        <translation>%1%2

هل تريد حفظ المشروع في مجلد آخر؟</translation>
    </message>
    <message>
        <source>The file %1 was changed by another program. Do you want to reload it?</source>
        <translation>غيّر برنامج آخر الملف %1. هل تريد إعادة تحميله؟</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>بلا عنوان</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1، %2</translation>
    </message>
    <message>
        <source>Tarvex was not closed properly. These designs had changes that were not saved:

%1

Recover them?</source>
        <translation>لم يُغلق Tarvex بشكل صحيح. كانت في هذه التصاميم تغييرات لم تُحفظ:

%1

هل تريد استردادها؟</translation>
    </message>
    <message>
        <source>HTML files|*.htm;*.html|All files|*.*</source>
        <translation>ملفات HTML|*.htm;*.html|كل الملفات|*.*</translation>
    </message>
    <message>
        <source>Import bookmarks</source>
        <translation>استيراد الإشارات المرجعية</translation>
    </message>
    <message>
        <source>Import site map</source>
        <translation>استيراد خريطة موقع</translation>
    </message>
    <message>
        <source>Import page navigation</source>
        <translation>استيراد روابط التنقل في صفحة</translation>
    </message>
    <message>
        <source>You have not selected folder.</source>
        <translation>لم تحدد مجلدًا.</translation>
    </message>
    <message>
        <source>Can&apos;t find favirities directory.</source>
        <translation>تعذّر العثور على مجلد المفضلة.</translation>
    </message>
    <message>
        <source>This kind of import is not available in this build of Tarvex.</source>
        <translation>هذا النوع من الاستيراد غير متاح في هذا الإصدار من Tarvex.</translation>
    </message>
    <message>
        <source>Bookmark files (html)|*.html;*.htm|All files|*.*</source>
        <translation>ملفات الإشارات المرجعية (html)|*.html;*.htm|كل الملفات|*.*</translation>
    </message>
    <message>
        <source>Site maps (xml)|*.xml|All files|*.*</source>
        <translation>خرائط المواقع (xml)|*.xml|كل الملفات|*.*</translation>
    </message>
    <message>
        <source>Tarvex cannot use %1: drop a project, a bookmarks file, a site map or a web page.</source>
        <translation>لا يستطيع Tarvex استخدام %1: أفلِت مشروعًا أو ملف إشارات مرجعية أو خريطة موقع أو صفحة ويب.</translation>
    </message>
    <message>
        <source>Create new group</source>
        <translation>إنشاء مجموعة جديدة</translation>
    </message>
    <message>
        <source>Type new group name</source>
        <translation>اكتب اسم المجموعة الجديدة</translation>
    </message>
    <message>
        <source>Create new menu item</source>
        <translation>إنشاء عنصر قائمة جديد</translation>
    </message>
    <message>
        <source>Type new menu item name</source>
        <translation>اكتب اسم عنصر القائمة الجديد</translation>
    </message>
    <message>
        <source>Do you really want to delete &quot;%1&quot; menu group?</source>
        <translation>هل تريد فعلًا حذف مجموعة القائمة «%1»؟</translation>
    </message>
    <message>
        <source>Do you really want to delete &quot;%1&quot; menu item?</source>
        <translation>هل تريد فعلًا حذف عنصر القائمة «%1»؟</translation>
    </message>
    <message>
        <source>You can&apos;t drag&amp;drop Menu Options</source>
        <translation>لا يمكن نقل «خيارات القائمة» بالسحب  الإفلات(&amp;D)</translation>
    </message>
    <message>
        <source>Open HTML to preview</source>
        <translation>فتح صفحة HTML للمعاينة</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 و %2</translation>
    </message>
    <message>
        <source>one, main.js and %1</source>
        <translation>one.js و main.js و %1</translation>
    </message>
    <message>
        <source>Files: %1 was saved. Go to help file to lern more about adding menu to your HTML files</source>
        <translation>تم حفظ الملفات: %1. راجع التعليمات لمعرفة المزيد عن إضافة القائمة إلى ملفات HTML الخاصة بك</translation>
    </message>
    <message>
        <source>JavaScript files (js)|*.js|All files|*.*</source>
        <translation>ملفات JavaScript ‏(js)|*.js|كل الملفات|*.*</translation>
    </message>
    <message>
        <source>Publish menu</source>
        <translation>نشر القائمة</translation>
    </message>
    <message>
        <source>Publish menu module: the folder for %1 and %2</source>
        <translation>نشر وحدة القائمة: المجلد الخاص بـ %1 و %2</translation>
    </message>
    <message>
        <source>… and %1 more.</source>
        <translation>… و%1 غيرها.</translation>
    </message>
    <message>
        <source>The menu has 1 problem that visitors will meet:
%2

Publish anyway?</source>
        <translation>في القائمة مشكلة واحدة سيواجهها الزوار:
%2

هل تريد النشر رغم ذلك؟</translation>
    </message>
    <message>
        <source>The menu has %1 problems that visitors will meet:
%2

Publish anyway?</source>
        <translation>في القائمة مشكلات سيواجهها الزوار، عددها %1:
%2

هل تريد النشر رغم ذلك؟</translation>
    </message>
    <message>
        <source>Cannot open file %1.</source>
        <translation>تعذّر فتح الملف %1.</translation>
    </message>
    <message>
        <source>The page refers to files above its own folder. Choose the folder of your site, so that the preview shows them too?</source>
        <translation>تشير الصفحة إلى ملفات في مستوى أعلى من مجلدها. هل تريد اختيار مجلد موقعك لكي تعرضها المعاينة أيضًا؟</translation>
    </message>
    <message>
        <source>Site folder of %1</source>
        <translation>مجلد موقع %1</translation>
    </message>
    <message>
        <source>The folder %1 does not hold the page; the preview reads from the page&apos;s own folder.</source>
        <translation>لا يحتوي المجلد %1 على الصفحة؛ ستقرأ المعاينة من مجلد الصفحة نفسه.</translation>
    </message>
    <message>
        <source>Create new style</source>
        <translation>إنشاء نمط جديد</translation>
    </message>
    <message>
        <source>Type new menu style name</source>
        <translation>اكتب اسم نمط القائمة الجديد</translation>
    </message>
    <message>
        <source>Do you really want to delete &quot;%1&quot; style?</source>
        <translation>هل تريد فعلًا حذف النمط «%1»؟</translation>
    </message>
    <message>
        <source>favorites.dat could not be read completely at start-up. It has been kept as %1, and a new favorites.dat holds the favorite styles of this run.</source>
        <translation>تعذّرت قراءة favorites.dat بالكامل عند بدء التشغيل. احتُفظ به باسم %1، ويحتوي ملف favorites.dat جديد على الأنماط المفضلة لهذه الجلسة.</translation>
    </message>
    <message>
        <source>A menu entry needs a caption</source>
        <translation>يجب أن يكون لعنصر القائمة تسمية</translation>
    </message>
    <message>
        <source>No style yet: add one on the Menu styles page, or Insert favourite style</source>
        <translation>لا يوجد نمط بعد: أضف نمطًا في صفحة «أنماط القائمة»، أو استخدم «إدراج نمط مفضل»</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>The disk is full.</source>
        <translation>القرص ممتلئ.</translation>
    </message>
    <message>
        <source>The folder does not let a new file be made, which a safe save needs.</source>
        <translation>لا يسمح المجلد بإنشاء ملف جديد، وهو ما يتطلبه الحفظ الآمن.</translation>
    </message>
    <message>
        <source> %1</source>
        <extracomment>Puts the reason after the sentence it explains.</extracomment>
        <translation> %1</translation>
    </message>
    <message>
        <source>The file %1 is too large for a Tarvex project (more than %2 MB).</source>
        <translation>حجم الملف %1 كبير جدًا على مشروع Tarvex (أكثر من %2 ميغابايت).</translation>
    </message>
    <message>
        <source>Can&apos;t read file %1!</source>
        <translation>تعذّرت قراءة الملف %1!</translation>
    </message>
    <message>
        <source>The file %1 is not a Tarvex project!</source>
        <translation>الملف %1 ليس مشروع Tarvex!</translation>
    </message>
    <message>
        <source>The file %1 holds more than %2 menu entries and styles, more than a Tarvex project may hold.</source>
        <translation>يحتوي الملف %1 على أكثر من %2 من عناصر القوائم والأنماط، وهو أكثر مما يمكن أن يحتويه مشروع Tarvex.</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>Bookmarks</source>
        <translation>الإشارات المرجعية</translation>
    </message>
    <message>
        <source>Site map</source>
        <translation>خريطة الموقع</translation>
    </message>
    <message>
        <source>The file holds no bookmarks.</source>
        <translation>لا يحتوي الملف على أي إشارات مرجعية.</translation>
    </message>
    <message>
        <source>The bookmarks nest folders deeper than %1 levels.</source>
        <translation>تتداخل مجلدات الإشارات المرجعية بعمق يزيد على %1 من المستويات.</translation>
    </message>
    <message>
        <source>The bookmarks file</source>
        <translation>ملف الإشارات المرجعية</translation>
    </message>
    <message>
        <source>These shortcut files could not be read and were left out:%1</source>
        <translation>تعذّرت قراءة ملفات الاختصارات هذه فاستُبعدت:%1</translation>
    </message>
    <message>
        <source>The folder holds more than %1 entries; only the first %1 were read.</source>
        <translation>يحتوي المجلد على أكثر من %1 من العناصر؛ ولم يُقرأ إلا أول %1 منها.</translation>
    </message>
    <message>
        <source>%1 is in UTF-16; save it as UTF-8 and import it again.</source>
        <translation>%1 بترميز UTF-16؛ أعد الحفظ بترميز UTF-8 ثم أعد الاستيراد.</translation>
    </message>
    <message>
        <source>%1 has too many elements to import (more than %2).</source>
        <translation>عدد العناصر في %1 أكبر من أن يُستورد (أكثر من %2).</translation>
    </message>
    <message>
        <source>%1 is nested too deeply to import (more than %2 levels).</source>
        <translation>التداخل في %1 أعمق من أن يُستورد (أكثر من %2 من المستويات).</translation>
    </message>
    <message>
        <source>%1 could not be read as HTML.</source>
        <translation>تعذّرت قراءة %1 بصيغة HTML.</translation>
    </message>
    <message>
        <source>The file %1 is too large to import (more than %2 MB).</source>
        <translation>الملف %1 أكبر من أن يُستورد (أكثر من %2 ميغابايت).</translation>
    </message>
    <message>
        <source>Can&apos;t read file %1!</source>
        <translation>تعذّرت قراءة الملف %1!</translation>
    </message>
    <message>
        <source>1 link%1</source>
        <translation>رابط واحد%1</translation>
    </message>
    <message>
        <source>%1 links%2</source>
        <translation>الروابط (%1)%2</translation>
    </message>
    <message>
        <source>Navigation%1 (%2)</source>
        <translation>قسم تنقل%1 (%2)</translation>
    </message>
    <message>
        <source>List%1 (%2)</source>
        <translation>لائحة%1 (%2)</translation>
    </message>
    <message>
        <source>The page</source>
        <translation>الصفحة</translation>
    </message>
    <message>
        <source>The page&apos;s navigation nests deeper than %1 levels.</source>
        <translation>تتداخل روابط التنقل في الصفحة بعمق يزيد على %1 من المستويات.</translation>
    </message>
    <message>
        <source>The page has no navigation: no nav element and no list of links.</source>
        <translation>لا تحتوي الصفحة على روابط تنقل: لا يوجد عنصر nav ولا لائحة روابط.</translation>
    </message>
    <message>
        <source>%1 is compressed; unpack it (gunzip) and import the .xml file.</source>
        <translation>تم ضغط %1؛ فك الضغط (gunzip) ثم استورد ملف ‎.xml.</translation>
    </message>
    <message>
        <source>%1 is not well-formed XML (%2 at byte %3).</source>
        <translation>بنية XML في %1 غير سليمة (%2 عند البايت %3).</translation>
    </message>
    <message>
        <source>The site map %1</source>
        <translation>خريطة الموقع %1</translation>
    </message>
    <message>
        <source>The site map %1 lists no pages (its root is not &lt;urlset&gt;).</source>
        <translation>لا تسرد خريطة الموقع %1 أي صفحات (جذرها ليس &lt;urlset&gt;).</translation>
    </message>
    <message>
        <source>None of the index&apos;s site maps is in the index&apos;s folder: %1.</source>
        <translation>لا تقع أي من خرائط المواقع التي يسردها الفهرس في مجلد الفهرس: %1.</translation>
    </message>
    <message>
        <source>The site map</source>
        <translation>خريطة الموقع</translation>
    </message>
    <message>
        <source>The site-map index lists more than %1 site maps.</source>
        <translation>يسرد فهرس خرائط الموقع أكثر من %1 من خرائط المواقع.</translation>
    </message>
    <message>
        <source>The file is not a site map: its root element is &lt;%1&gt;.</source>
        <translation>الملف ليس خريطة موقع: عنصره الجذر هو &lt;%1&gt;.</translation>
    </message>
    <message>
        <source>The site map lists more than %1 pages.</source>
        <translation>تسرد خريطة الموقع أكثر من %1 من الصفحات.</translation>
    </message>
    <message>
        <source>The site map&apos;s addresses nest deeper than %1 folders.</source>
        <translation>تتداخل عناوين خريطة الموقع بعمق يزيد على %1 من المجلدات.</translation>
    </message>
    <message>
        <source>The site map lists no web pages.</source>
        <translation>لا تسرد خريطة الموقع أي صفحات ويب.</translation>
    </message>
    <message>
        <source>This kind of import is not available in this build of Tarvex.</source>
        <translation>هذا النوع من الاستيراد غير متاح في هذا الإصدار من Tarvex.</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>&amp;Language</source>
        <translation>اللغة(&amp;L)</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>اللغة</translation>
    </message>
    <message>
        <source>The new language takes effect at the next start.</source>
        <translation>ستُطبَّق اللغة الجديدة عند بدء التشغيل التالي.</translation>
    </message>
    <message>
        <source>Desktop language</source>
        <translation>لغة سطح المكتب</translation>
    </message>
</context>
<context>
    <name>MessageBoxButtons</name>
    <message>
        <source>&amp;OK</source>
        <translation>موافق(&amp;O)</translation>
    </message>
    <message>
        <source>Open &amp;anyway</source>
        <translation>فتح على أي حال(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>إلغاء(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>نعم(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>لا(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>استبدال(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save as…</source>
        <translation>حفظ باسم(&amp;S)…</translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation>استرداد(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>تجاهل(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>لاحقًا(&amp;L)</translation>
    </message>
</context>
<context>
    <name>Publish</name>
    <message>
        <source>Connected to %1; the folder is there and Tarvex may log in.</source>
        <translation>تم الاتصال بـ %1؛ المجلد موجود ويمكن لـ Tarvex تسجيل الدخول.</translation>
    </message>
    <message>
        <source>%1 refused the login of %2: the password or key is wrong, or the key is not allowed there.</source>
        <translation>رفض %1 تسجيل دخول %2: كلمة المرور أو المفتاح غير صحيح، أو أن المفتاح غير مسموح به هناك.</translation>
    </message>
    <message>
        <source>The certificate of %1 could not be verified (%2), so the server may not be the one it claims to be; nothing was sent. If the site&apos;s certificate comes from an authority of its own, name that authority&apos;s certificate as the CA file.</source>
        <translation>تعذّر التحقق من شهادة %1 (%2)، لذا قد لا يكون الخادم هو ما يدّعيه؛ لم يُرسَل أي شيء. إذا كانت شهادة الموقع صادرة عن مرجع مصدق خاص به، فحدد شهادة ذلك المرجع في «ملف المرجع المصدق».</translation>
    </message>
    <message>
        <source>Could not connect to %1 (%2).</source>
        <translation>تعذّر الاتصال بـ %1 (%2).</translation>
    </message>
    <message>
        <source>The server&apos;s disk is full.</source>
        <translation>قرص الخادم ممتلئ.</translation>
    </message>
    <message>
        <source>The server denied access (%1).</source>
        <translation>رفض الخادم الوصول (%1).</translation>
    </message>
    <message>
        <source>The connection to %1 failed (%2).</source>
        <translation>فشل الاتصال بـ %1 (%2).</translation>
    </message>
    <message>
        <source>The server in %1 is not a host name or address.</source>
        <translation>الخادم في %1 ليس اسم مضيف ولا عنوانًا.</translation>
    </message>
    <message>
        <source>The port in %1 is not a number from 1 to 65535.</source>
        <translation>المنفذ في %1 ليس رقمًا من 1 إلى 65535.</translation>
    </message>
    <message>
        <source>The address %1 names no protocol; write sftp://, ftps:// or davs:// before the server.</source>
        <translation>لا يحدد العنوان %1 أي بروتوكول؛ اكتب sftp:// أو ftps:// أو davs:// قبل اسم الخادم.</translation>
    </message>
    <message>
        <source>Plain ftp:// sends the password and the files unencrypted, readable by anyone on the way; use sftp:// or ftps:// (FTP with TLS) instead.</source>
        <translation>يرسل ftp:// العادي كلمة المرور والملفات دون تشفير، فيستطيع أي شخص في طريقها قراءتها؛ استخدم sftp:// أو ftps:// ‏(FTP مع TLS) بدلًا منه.</translation>
    </message>
    <message>
        <source>The protocol %1:// is not one Tarvex publishes by; use sftp://, ftps:// or davs://.</source>
        <translation>لا يدعم Tarvex النشر عبر البروتوكول %1://؛ استخدم sftp:// أو ftps:// أو davs://.</translation>
    </message>
    <message>
        <source>The address %1 holds a query or fragment; name only the folder.</source>
        <translation>يحتوي العنوان %1 على سلسلة استعلام أو معرّف جزء؛ اكتب المجلد فقط.</translation>
    </message>
    <message>
        <source>The address %1 holds a password or an unusable user name; the password is never part of the address.</source>
        <translation>يحتوي العنوان %1 على كلمة مرور أو اسم مستخدم غير صالح؛ لا تكون كلمة المرور جزءًا من العنوان أبدًا.</translation>
    </message>
    <message>
        <source>Plain dav:// is unencrypted and allowed only on this computer or a private network; use davs:// (WebDAV over HTTPS) for %1.</source>
        <translation>البروتوكول dav:// العادي غير مشفّر ولا يُسمح به إلا على هذا الكمبيوتر أو على شبكة خاصة؛ استخدم davs:// ‏(WebDAV عبر HTTPS) لـ %1.</translation>
    </message>
    <message>
        <source>The folder in %1 is not usable: it may not contain &quot;..&quot;, control characters, quotes or back-slashes.</source>
        <translation>لا يمكن استخدام المجلد في %1: لا يجوز أن يحتوي على «..» أو أحرف تحكم أو علامات اقتباس أو شرطات مائلة عكسية.</translation>
    </message>
    <message>
        <source>Plain dav:// sends the password and the files unencrypted; it is used only after you confirm that (in the command line with --allow-plain-dav). Prefer davs://.</source>
        <translation>يرسل dav:// العادي كلمة المرور والملفات دون تشفير؛ ولا يُستخدم إلا بعد أن تؤكد ذلك (في سطر الأوامر باستخدام --allow-plain-dav). يُفضَّل استخدام davs://.</translation>
    </message>
    <message>
        <source>Publishing to a site is not available in this build of Tarvex; publish to a folder and copy the files with a transfer program.</source>
        <translation>النشر على موقع غير متاح في هذا الإصدار من Tarvex؛ انشر إلى مجلد ثم انسخ الملفات باستخدام برنامج لنقل الملفات.</translation>
    </message>
    <message>
        <source>An SFTP publish needs a known-hosts file that holds the server&apos;s key.</source>
        <translation>يتطلب النشر عبر SFTP ملفًا للمضيفين المعروفين يحتوي على مفتاح الخادم.</translation>
    </message>
    <message>
        <source>A WebDAV address names a path from the server&apos;s root; ~ means nothing there.</source>
        <translation>يحدد عنوان WebDAV مسارًا بدءًا من جذر الخادم؛ ولا معنى للرمز ~ فيه.</translation>
    </message>
    <message>
        <source>This protocol is not one Tarvex publishes by.</source>
        <translation>لا يدعم Tarvex النشر عبر هذا البروتوكول.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist on %2.</source>
        <translation>المجلد %1 غير موجود على %2.</translation>
    </message>
    <message>
        <source>%1 refused the login of %2: the password is wrong.</source>
        <translation>رفض %1 تسجيل دخول %2: كلمة المرور غير صحيحة.</translation>
    </message>
    <message>
        <source>The server denied access (HTTP 403).</source>
        <translation>رفض الخادم الوصول (HTTP 403).</translation>
    </message>
    <message>
        <source>%1 answered HTTP %2, which WebDAV does not expect here.</source>
        <translation>أجاب %1 بالرمز HTTP %2، وهو ما لا يتوقعه WebDAV هنا.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist on %2, or %3 may not open it.</source>
        <translation>المجلد %1 غير موجود على %2، أو أن %3 غير مسموح له بفتحه.</translation>
    </message>
    <message>
        <source>%1 did not say which folder the login starts in, so ~ cannot be found there; name the folder from the root (/...).</source>
        <translation>لم يحدد %1 المجلد الذي يبدأ فيه تسجيل الدخول، لذا لا يمكن العثور على ~ هناك؛ اكتب مسار المجلد بدءًا من الجذر (/...).</translation>
    </message>
    <message>
        <source>The host key of %1 has changed (it is now %2), so the server may not be the one you published to before; nothing was sent. If the server&apos;s administrator confirms the new key, remove the old entry for %1 from %3.</source>
        <translation>تغيّر مفتاح المضيف لـ %1 (أصبح الآن %2)، لذا قد لا يكون الخادم هو نفسه الذي نشرت عليه من قبل؛ لم يُرسَل أي شيء. إذا أكد مسؤول الخادم المفتاح الجديد، فأزل السطر القديم الخاص بـ %1 من %3.</translation>
    </message>
    <message>
        <source>The host key of %1 (%2) is not in %3; an unknown server is never trusted. Check the fingerprint with the server&apos;s administrator, then add the key there (for example with ssh-keyscan) or name a known-hosts file that holds it.</source>
        <translation>مفتاح المضيف لـ %1 (%2) غير موجود في %3؛ لا يُوثق أبدًا بخادم غير معروف. تحقق من البصمة مع مسؤول الخادم، ثم أضف المفتاح هناك (مثلًا باستخدام ssh-keyscan) أو حدد ملف المضيفين المعروفين الذي يحتوي عليه.</translation>
    </message>
    <message>
        <source>Someone else changed %1 on the server since Tarvex last published there; nothing was sent. Publish with --force to replace them. The site is unchanged.</source>
        <translation>غيّر شخص آخر %1 على الخادم منذ آخر مرة نشر فيها Tarvex هناك؛ لم يُرسَل أي شيء. انشر باستخدام --force لاستبدالها. لم يتغير الموقع.</translation>
    </message>
    <message>
        <source>Sending %1 failed: %2</source>
        <translation>فشل إرسال %1: %2</translation>
    </message>
    <message>
        <source>Sending the publish manifest failed: %1</source>
        <translation>فشل إرسال بيان النشر: %1</translation>
    </message>
    <message>
        <source>%1 The site is unchanged. Its temporary files are removed where the server allowed it.</source>
        <translation>%1 لم يتغير الموقع. أُزيلت ملفاته المؤقتة حيثما سمح الخادم بذلك.</translation>
    </message>
    <message>
        <source>Publishing was cancelled before any file was replaced.</source>
        <translation>أُلغي النشر قبل استبدال أي ملف.</translation>
    </message>
    <message>
        <source>Putting %1 in place failed: %2 The site is unchanged.</source>
        <translation>فشل وضع %1 في مكانه: %2 لم يتغير الموقع.</translation>
    </message>
    <message>
        <source>Putting %1 in place failed: %2 Already replaced: %3. The site may be partly updated; publish again to complete it.</source>
        <translation>فشل وضع %1 في مكانه: %2 ما تم استبداله بالفعل: %3. قد يكون الموقع محدَّثًا جزئيًا؛ انشر مرة أخرى لإكمال التحديث.</translation>
    </message>
    <message>
        <source>%1 The site is unchanged.</source>
        <translation>%1 لم يتغير الموقع.</translation>
    </message>
    <message>
        <source>The site is up to date; nothing was sent.</source>
        <translation>الموقع محدَّث؛ لم يُرسَل أي شيء.</translation>
    </message>
    <message>
        <source>The server&apos;s key cannot be written to a known-hosts file.</source>
        <translation>لا يمكن كتابة مفتاح الخادم في ملف المضيفين المعروفين.</translation>
    </message>
    <message>
        <source>There is no folder for the known-hosts file of Tarvex (HOME is not set).</source>
        <translation>لا يوجد مجلد لملف المضيفين المعروفين الخاص بـ Tarvex (لم يتم تعيين HOME).</translation>
    </message>
    <message>
        <source>The known-hosts file %1 could not be read, so no key was added to it.</source>
        <translation>تعذّرت قراءة ملف المضيفين المعروفين %1، لذا لم يُضَف إليه أي مفتاح.</translation>
    </message>
    <message>
        <source>The server&apos;s key could not be kept in %1.%2</source>
        <translation>تعذّر حفظ مفتاح الخادم في %1.%2</translation>
    </message>
    <message>
        <source>Cannot read file %1.</source>
        <translation>تعذّرت قراءة الملف %1.</translation>
    </message>
    <message>
        <source>Not all files were published to the folder %1.</source>
        <translation>لم تُنشر كل الملفات في المجلد %1.</translation>
    </message>
    <message>
        <source>Written: %1.</source>
        <translation>ما تمت كتابته: %1.</translation>
    </message>
    <message>
        <source>Kept as they were, as you chose: %1.</source>
        <translation>ما بقي كما كان، حسب اختيارك: %1.</translation>
    </message>
</context>
<context>
    <name>PublishMenuDialog</name>
    <message>
        <source>Publish menu</source>
        <translation>نشر القائمة</translation>
    </message>
    <message>
        <source>&amp;Classic files: one.js, main.js and the menu script
(three script lines, any page)</source>
        <translation>الملفات التقليدية(&amp;C): one.js و main.js والبرنامج النصي للقائمة
(ثلاثة أسطر لبرامج نصية، في أي صفحة)</translation>
    </message>
    <message>
        <source>Menu &amp;module: tarvex-menu.js and tarvex-menu.css
(a link and a module script in the page&apos;s head)</source>
        <translation>وحدة القائمة(&amp;M): tarvex-menu.js و tarvex-menu.css
(رابط وبرنامج نصي من نوع وحدة في رأس الصفحة)</translation>
    </message>
    <message>
        <source>What will your pages load?</source>
        <translation>ما الذي ستحمّله صفحاتك؟</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>&quot;RTL&quot; for a language written right to left, &quot;LTR&quot; otherwise.</extracomment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>Rows</name>
    <message>
        <source>Menu Options</source>
        <translation>خيارات القائمة</translation>
    </message>
    <message>
        <source>Remain Visible</source>
        <translation>مدة البقاء ظاهرة</translation>
    </message>
    <message>
        <source>Menu Left</source>
        <translation>يسار القائمة</translation>
    </message>
    <message>
        <source>Menu Top</source>
        <translation>أعلى القائمة</translation>
    </message>
    <message>
        <source>Menu Width</source>
        <translation>عرض القائمة</translation>
    </message>
    <message>
        <source>Menu Border</source>
        <translation>حد القائمة</translation>
    </message>
    <message>
        <source>Screen Position</source>
        <translation>الموضع على الشاشة</translation>
    </message>
    <message>
        <source>Menu Style</source>
        <translation>نمط القائمة</translation>
    </message>
    <message>
        <source>Text Alignment</source>
        <translation>محاذاة النص</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>الاتجاه</translation>
    </message>
    <message>
        <source>Image position</source>
        <translation>موضع الصورة</translation>
    </message>
    <message>
        <source>Menu opening</source>
        <translation>فتح القائمة</translation>
    </message>
    <message>
        <source>Menu button caption</source>
        <translation>تسمية زر القائمة</translation>
    </message>
    <message>
        <source>Navigation name</source>
        <translation>اسم التنقل</translation>
    </message>
    <message>
        <source>Dark style</source>
        <translation>النمط الداكن</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>التخطيط</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>الأعمدة</translation>
    </message>
    <message>
        <source>When no room</source>
        <translation>عند ضيق المساحة</translation>
    </message>
    <message>
        <source>More caption</source>
        <translation>تسمية المزيد</translation>
    </message>
    <message>
        <source>Small screen width</source>
        <translation>عرض الشاشة الصغيرة</translation>
    </message>
    <message>
        <source>Small screen look</source>
        <translation>مظهر الشاشة الصغيرة</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>التسمية</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>التلميح</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>العنوان</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>الهدف</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>الوصف</translation>
    </message>
    <message>
        <source>Badge</source>
        <translation>الشارة</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>الأيقونة</translation>
    </message>
    <message>
        <source>Mouse Off Font</source>
        <translation>لون الخط العادي</translation>
    </message>
    <message>
        <source>Mouse Off Background</source>
        <translation>لون الخلفية العادي</translation>
    </message>
    <message>
        <source>Mouse On Font</source>
        <translation>لون الخط عند التمرير</translation>
    </message>
    <message>
        <source>Mouse On Background</source>
        <translation>لون الخلفية عند التمرير</translation>
    </message>
    <message>
        <source>Menu Border Color</source>
        <translation>لون حد القائمة</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>حجم الخط</translation>
    </message>
    <message>
        <source>Font Style</source>
        <translation>شكل الخط</translation>
    </message>
    <message>
        <source>Font Weight</source>
        <translation>سُمك الخط</translation>
    </message>
    <message>
        <source>Font Name</source>
        <translation>اسم الخط</translation>
    </message>
    <message>
        <source>Menu Item Padding</source>
        <translation>حشوة عنصر القائمة</translation>
    </message>
    <message>
        <source>Sub Menu Image</source>
        <translation>صورة القائمة الفرعية</translation>
    </message>
    <message>
        <source>3D Border &amp; Separator bar</source>
        <translation>حد ثلاثي الأبعاد  شريط فاصل(&amp; )</translation>
    </message>
    <message>
        <source>3D High Color</source>
        <translation>لون ثلاثي الأبعاد فاتح</translation>
    </message>
    <message>
        <source>3D Low Color</source>
        <translation>لون ثلاثي الأبعاد داكن</translation>
    </message>
    <message>
        <source>Top Bar Image</source>
        <translation>صورة الشريط العلوي</translation>
    </message>
    <message>
        <source>Menu Header Font Color</source>
        <translation>لون خط رأس القائمة</translation>
    </message>
    <message>
        <source>Menu Header Background</source>
        <translation>خلفية رأس القائمة</translation>
    </message>
</context>
<context>
    <name>Script</name>
    <message>
        <source>Project can not be compiled. You don&apos;t have menu styles</source>
        <translation>لا يمكن بناء المشروع. لا توجد لديك أنماط قوائم</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>تحذير!</translation>
    </message>
    <message>
        <source>Main menu options</source>
        <translation>خيارات القائمة الرئيسية</translation>
    </message>
    <message>
        <source>Style name &quot;%1&quot; can not be used as a script variable; menu.js calls it %2</source>
        <translation>لا يمكن استخدام اسم النمط «%1» كمتغير في البرنامج النصي؛ يسمّيه menu.js: %2</translation>
    </message>
    <message>
        <source>Menu name &quot;%1&quot; of &quot;%2&quot; object is already used; menu.js names this menu &quot;%3&quot;</source>
        <translation>اسم القائمة «%1» للكائن «%2» مستخدم بالفعل؛ يسمّي menu.js هذه القائمة «%3»</translation>
    </message>
    <message>
        <source>Image position &quot;%1&quot; in &quot;%2&quot; object is not left, right or center; none is used</source>
        <translation>موضع الصورة «%1» في الكائن «%2» ليس left أو right أو center؛ لن يُستخدم أي موضع</translation>
    </message>
    <message>
        <source>Address of &quot;%1&quot; object is a javascript: address; it runs script on your pages</source>
        <translation>عنوان الكائن «%1» من نوع javascript:؛ وهو يشغّل برنامجًا نصيًا في صفحاتك</translation>
    </message>
    <message>
        <source>An entry of &quot;%1&quot; object has no caption; it is drawn as an empty row</source>
        <translation>أحد عناصر الكائن «%1» بلا تسمية؛ يُرسم كصف فارغ</translation>
    </message>
    <message>
        <source>Menu style in &quot;%1&quot; object not found. Used first found menu style</source>
        <translation>لم يُعثر على نمط القائمة في الكائن «%1». استُخدم أول نمط قائمة موجود</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Error</source>
        <translation>خطأ</translation>
    </message>
</context>
<context>
    <name>Values</name>
    <message>
        <source>Horizontal</source>
        <translation>أفقي</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>عمودي</translation>
    </message>
    <message>
        <source>on mouse click</source>
        <translation>عند النقر بالماوس</translation>
    </message>
    <message>
        <source>on mouse over</source>
        <translation>عند تمرير الماوس</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>No</source>
        <translation>لا</translation>
    </message>
    <message>
        <source>List</source>
        <translation>لائحة</translation>
    </message>
    <message>
        <source>Panel</source>
        <translation>لوحة</translation>
    </message>
    <message>
        <source>Menu button</source>
        <translation>زر القائمة</translation>
    </message>
    <message>
        <source>More</source>
        <translation>المزيد</translation>
    </message>
    <message>
        <source>Wrap</source>
        <translation>التفاف</translation>
    </message>
    <message>
        <source>Drawer</source>
        <translation>درج جانبي</translation>
    </message>
</context>
<context>
    <name>tarvex::TAboutForm</name>
    <message>
        <source>Korvane Tarvex designs drop-down menus for your web pages without a line of script written by hand: build the menu tree, pick the styles, watch the preview and publish.

We are glad to hear from you: questions, ideas and bug reports are all welcome.

Web: https://www.korvane.example
Feedback: https://www.korvane.example/feedback.php
E-mail: support@korvane.example
Sales: sales@korvane.example

Copyright (c) Korvane. All rights reserved.</source>
        <translation>يصمّم Korvane Tarvex قوائم منسدلة لصفحات الويب الخاصة بك دون كتابة سطر برمجي واحد يدويًا: أنشئ شجرة القائمة، واختر الأنماط، وتابع المعاينة، ثم انشر.

يسعدنا أن نسمع منك: نرحّب بالأسئلة والأفكار وتقارير الأخطاء.

الموقع: https://www.korvane.example
الملاحظات: https://www.korvane.example/feedback.php
البريد الإلكتروني: support@korvane.example
المبيعات: sales@korvane.example

حقوق النشر (c) Korvane. جميع الحقوق محفوظة.</translation>
    </message>
    <message>
        <source>About Korvane Product</source>
        <translation>حول منتج Korvane</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
</context>
<context>
    <name>tarvex::TApplicationFolder</name>
    <message>
        <source>The folder %1 is missing: without it there is no menu engine, no preview page and no help. Install Korvane Tarvex again.</source>
        <translation>المجلد %1 مفقود: من دونه لا يتوفر محرك القائمة ولا صفحة المعاينة ولا التعليمات. أعد تثبيت Korvane Tarvex.</translation>
    </message>
</context>
<context>
    <name>tarvex::TCommandBarLayout</name>
    <message>
        <source>Unable to save settings</source>
        <translation>تعذّر حفظ الإعدادات</translation>
    </message>
</context>
<context>
    <name>tarvex::TCustomizeDialog</name>
    <message>
        <source>Customize</source>
        <translation>تخصيص</translation>
    </message>
    <message>
        <source>Toolbars</source>
        <translation>أشرطة الأدوات</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>الأوامر</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>خيارات</translation>
    </message>
    <message>
        <source>Toolbars:</source>
        <translation>أشرطة الأدوات:</translation>
    </message>
    <message>
        <source>To add a command to a toolbar or a menu, drag it onto a toolbar or onto a menu title.</source>
        <translation>لإضافة أمر إلى شريط أدوات أو إلى قائمة، اسحبه إلى شريط أدوات أو إلى عنوان قائمة.</translation>
    </message>
    <message>
        <source>Show tips on toolbars</source>
        <translation>إظهار التلميحات على أشرطة الأدوات</translation>
    </message>
    <message>
        <source>Show shortcut keys in tips</source>
        <translation>إظهار مفاتيح الاختصار في التلميحات</translation>
    </message>
    <message>
        <source>Large icons</source>
        <translation>أيقونات كبيرة</translation>
    </message>
</context>
<context>
    <name>tarvex::TFindField</name>
    <message>
        <source>Find captions, addresses or style names</source>
        <translation>البحث في التسميات أو العناوين أو أسماء الأنماط</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>بحث</translation>
    </message>
</context>
<context>
    <name>tarvex::TFoldersScanResultForm</name>
    <message>
        <source>Select Favorities Folder</source>
        <translation>تحديد مجلد المفضلة</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>tarvex::TImportReviewForm</name>
    <message>
        <source>Navigation to import</source>
        <translation>روابط التنقل المراد استيرادها</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>التسمية</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>العنوان</translation>
    </message>
    <message>
        <source>Entries to import; clear a check box to leave a branch out</source>
        <translation>العناصر المراد استيرادها؛ ألغِ تحديد خانة الاختيار لاستبعاد فرع</translation>
    </message>
    <message>
        <source>%1 of %2 entries will be added.</source>
        <translation>ستُضاف %1 من أصل %2 من العناصر.</translation>
    </message>
</context>
<context>
    <name>tarvex::TMainUserInterface</name>
    <message>
        <source>Checks: %1</source>
        <translation>الفحوص: %1</translation>
    </message>
    <message>
        <source>Confirm File Replace</source>
        <translation>تأكيد استبدال الملف</translation>
    </message>
    <message>
        <source>This folder already contains a file named &quot;%1&quot;.

Would you like to replace the existing file?</source>
        <translation>يحتوي هذا المجلد بالفعل على ملف باسم «%1».

هل تريد استبدال الملف الموجود؟</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>نعم(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>لا(&amp;N)</translation>
    </message>
</context>
<context>
    <name>tarvex::TPreviewStage</name>
    <message>
        <source>Desktop</source>
        <translation>سطح المكتب</translation>
    </message>
    <message>
        <source>Tablet (768 px)</source>
        <translation>جهاز لوحي (768 px)</translation>
    </message>
    <message>
        <source>Phone (375 px)</source>
        <translation>هاتف (375 px)</translation>
    </message>
    <message>
        <source>Preview screen size</source>
        <translation>حجم شاشة المعاينة</translation>
    </message>
    <message>
        <source>&amp;Screen:</source>
        <translation>الشاشة(&amp;S):</translation>
    </message>
</context>
<context>
    <name>tarvex::TPreviewWebPage</name>
    <message>
        <source>Blocked: the page itself tried to open %1.</source>
        <translation>تم الحظر: حاولت الصفحة نفسها فتح %1.</translation>
    </message>
    <message>
        <source>Not opened: %1 is no web address, page, document or picture of the site.</source>
        <translation>لم يُفتح: %1 ليس عنوان ويب ولا صفحة ولا مستندًا ولا صورة من الموقع.</translation>
    </message>
</context>
<context>
    <name>tarvex::TPropertyGridDelegate</name>
    <message>
        <source>An icon of the set, or the name of an .svg file beside the project</source>
        <translation>أيقونة من مجموعة الأيقونات، أو اسم ملف ‎.svg بجانب ملف المشروع</translation>
    </message>
    <message>
        <source>Choose colour</source>
        <translation>اختيار لون</translation>
    </message>
</context>
<context>
    <name>tarvex::TPropertyGridModel</name>
    <message>
        <source>Properties</source>
        <translation>الخصائص</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>القيمة</translation>
    </message>
</context>
<context>
    <name>tarvex::TPublishTargetForm</name>
    <message>
        <source>My site</source>
        <translation>موقعي</translation>
    </message>
    <message>
        <source>When the address names none</source>
        <translation>عندما لا يحدد العنوان مستخدمًا</translation>
    </message>
    <message>
        <source>SFTP: empty uses the SSH agent or the password</source>
        <translation>SFTP: عند تركه فارغًا يُستخدم وكيل SSH أو كلمة المرور</translation>
    </message>
    <message>
        <source>Only for a company&apos;s own authority</source>
        <translation>فقط لمرجع مصدق خاص بالشركة</translation>
    </message>
    <message>
        <source>Menu script and engine (three files)</source>
        <translation>البرنامج النصي للقائمة ومحركها (ثلاثة ملفات)</translation>
    </message>
    <message>
        <source>Module (tarvex-menu.js and tarvex-menu.css)</source>
        <translation>وحدة (tarvex-menu.js و tarvex-menu.css)</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>الاسم(&amp;N):</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>العنوان(&amp;A):</translation>
    </message>
    <message>
        <source>&amp;User:</source>
        <translation>المستخدم(&amp;U):</translation>
    </message>
    <message>
        <source>&amp;Files:</source>
        <translation>الملفات(&amp;F):</translation>
    </message>
    <message>
        <source>&amp;Key file:</source>
        <translation>ملف المفتاح(&amp;K):</translation>
    </message>
    <message>
        <source>Private key</source>
        <translation>المفتاح الخاص</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>كل الملفات (*)</translation>
    </message>
    <message>
        <source>C&amp;A file:</source>
        <translation>ملف المرجع المصدق(&amp;A):</translation>
    </message>
    <message>
        <source>Certificate authority</source>
        <translation>المرجع المصدق</translation>
    </message>
    <message>
        <source>Certificates (*.pem *.crt);;All files (*)</source>
        <translation>الشهادات (*.pem *.crt);;كل الملفات (*)</translation>
    </message>
    <message>
        <source>Site add&amp;ress:</source>
        <translation>عنوان الموقع(&amp;R):</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>استعراض…</translation>
    </message>
</context>
<context>
    <name>tarvex::TPublishToSiteDialog</name>
    <message>
        <source>(no name)</source>
        <translation>(بلا اسم)</translation>
    </message>
    <message>
        <source>Re&amp;member in the desktop&apos;s key store</source>
        <translation>تذكّرها في مخزن مفاتيح سطح المكتب(&amp;M)</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>إضافة(&amp;D)</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>إزالة(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Test connection</source>
        <translation>اختبار الاتصال(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Show changes</source>
        <translation>إظهار التغييرات(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Publish</source>
        <translation>نشر(&amp;P)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Publish to site</source>
        <translation>النشر على الموقع</translation>
    </message>
    <message>
        <source>Asked of the key store when empty</source>
        <translation>تُطلب من مخزن المفاتيح عند تركها فارغة</translation>
    </message>
    <message>
        <source>File</source>
        <translation>الملف</translation>
    </message>
    <message>
        <source>What happens</source>
        <translation>الإجراء</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>الحجم</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>التقدم</translation>
    </message>
    <message>
        <source>Files on the site</source>
        <translation>الملفات على الموقع</translation>
    </message>
    <message>
        <source>Progress in total</source>
        <translation>التقدم الإجمالي</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>كلمة المرور(&amp;W):</translation>
    </message>
    <message>
        <source>This project names no server yet: Add one, with the address of the folder the menu&apos;s files go to.</source>
        <translation>لا يحدد هذا المشروع أي خادم بعد: أضف خادمًا بالزر «إضافة» مع عنوان المجلد الذي تُرسَل إليه ملفات القائمة.</translation>
    </message>
    <message>
        <source>Ser&amp;vers:</source>
        <translation>الخوادم(&amp;V):</translation>
    </message>
    <message>
        <source>Servers</source>
        <translation>الخوادم</translation>
    </message>
    <message>
        <source>Enter the address of the folder on the server, such as sftp://user@example.com/var/www/menu.</source>
        <translation>أدخل عنوان المجلد على الخادم، مثل sftp://user@example.com/var/www/menu.</translation>
    </message>
    <message>
        <source>add</source>
        <translation>إضافة</translation>
    </message>
    <message>
        <source>replace (changed on the site by someone else)</source>
        <translation>استبدال (غيّره شخص آخر على الموقع)</translation>
    </message>
    <message>
        <source>replace</source>
        <translation>استبدال</translation>
    </message>
    <message>
        <source>leave</source>
        <translation>إبقاء</translation>
    </message>
    <message>
        <source>The site holds these files already: nothing to send.</source>
        <translation>هذه الملفات موجودة على الموقع بالفعل: لا يوجد ما يُرسَل.</translation>
    </message>
    <message>
        <source>Publish sends %1 of the %2 files (%3); the others are on the site already.</source>
        <translation>سيرسل النشر %1 من أصل %2 من الملفات (%3)؛ أما البقية فموجودة على الموقع بالفعل.</translation>
    </message>
    <message>
        <source>%1 is a plain dav:// address: the password and the files travel unencrypted, and anyone on the network between can read or change them. Send to it anyway?</source>
        <translation>%1 عنوان dav:// عادي: تنتقل كلمة المرور والملفات دون تشفير، ويمكن لأي شخص على الشبكة الواقعة بينكما قراءتها أو تغييرها. هل تريد الإرسال إليه رغم ذلك؟</translation>
    </message>
    <message>
        <source>Tarvex has not connected to %1 before. The server identifies itself with the %2 key

%3

Compare this fingerprint with the one your hosting provider gives. Trust this server from now on?</source>
        <translation>لم يتصل Tarvex بـ %1 من قبل. يعرّف الخادم نفسه بالمفتاح %2

%3

قارن هذه البصمة بالبصمة التي يقدمها مزوّد الاستضافة لديك. هل تريد الوثوق بهذا الخادم من الآن فصاعدًا؟</translation>
    </message>
    <message>
        <source>The server&apos;s key was not trusted; nothing was sent.</source>
        <translation>لم يتم الوثوق بمفتاح الخادم؛ لم يُرسَل أي شيء.</translation>
    </message>
    <message>
        <source>The desktop&apos;s key store is not available (%1): the password serves only while this dialog is open.</source>
        <translation>مخزن مفاتيح سطح المكتب غير متاح (%1): لن تُستخدم كلمة المرور إلا ما دام مربع الحوار هذا مفتوحًا.</translation>
    </message>
    <message>
        <source>Connecting…</source>
        <translation>جارٍ الاتصال…</translation>
    </message>
    <message>
        <source>Comparing with the site…</source>
        <translation>جارٍ المقارنة مع الموقع…</translation>
    </message>
    <message>
        <source>Someone else changed files on the site since Tarvex last published them (marked in the list). Replace them with this project&apos;s files?</source>
        <translation>غيّر شخص آخر ملفات على الموقع منذ آخر مرة نشرها فيها Tarvex (مُعلَّمة في لائحة الملفات). هل تريد استبدالها بملفات هذا المشروع؟</translation>
    </message>
    <message>
        <source>Publishing…</source>
        <translation>جارٍ النشر…</translation>
    </message>
    <message>
        <source>&lt;p&gt;Published to %1:&lt;/p&gt;&lt;p&gt;</source>
        <translation>&lt;p&gt;تم النشر على %1:&lt;/p&gt;&lt;p&gt;</translation>
    </message>
    <message>
        <source>Open the live page</source>
        <translation>فتح الصفحة على الموقع</translation>
    </message>
</context>
<context>
    <name>tarvex::TScriptWarningsForm</name>
    <message>
        <source>Checks</source>
        <translation>الفحوص</translation>
    </message>
    <message>
        <source>What visitors of the published menu would meet. Double-click one to go to it:</source>
        <translation>ما سيواجهه زوار القائمة المنشورة. انقر نقرًا مزدوجًا على أيٍّ منها للانتقال إليه:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>error</source>
        <translation>خطأ</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>تحذير</translation>
    </message>
</context>
<context>
    <name>tarvex::TStyleTemplateForm</name>
    <message>
        <source>Style template</source>
        <translation>قالب نمط</translation>
    </message>
    <message>
        <source>Favorites styles</source>
        <translation>الأنماط المفضلة</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>معاينة</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>إدراج</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Show at start-up</source>
        <translation>الإظهار عند بدء التشغيل</translation>
    </message>
</context>
<context>
    <name>tarvex::TTarvexForm</name>
    <message>
        <source>Menu creator</source>
        <translation>منشئ القوائم</translation>
    </message>
    <message>
        <source>Menu styles</source>
        <translation>أنماط القائمة</translation>
    </message>
    <message>
        <source>Show what visitors of the published menu would meet</source>
        <translation>إظهار ما سيواجهه زوار القائمة المنشورة</translation>
    </message>
    <message>
        <source>Design pages</source>
        <translation>صفحات التصميم</translation>
    </message>
    <message>
        <source>Menu objects</source>
        <translation>كائنات القائمة</translation>
    </message>
    <message>
        <source>Menu options</source>
        <translation>خيارات القائمة</translation>
    </message>
    <message>
        <source>Menu item properties</source>
        <translation>خصائص عنصر القائمة</translation>
    </message>
    <message>
        <source>Style properties</source>
        <translation>خصائص النمط</translation>
    </message>
    <message>
        <source>Preview and help pages</source>
        <translation>صفحات المعاينة والتعليمات</translation>
    </message>
    <message>
        <source>File toolbar</source>
        <translation>شريط أدوات الملف</translation>
    </message>
    <message>
        <source>Commands toolbar</source>
        <translation>شريط أدوات الأوامر</translation>
    </message>
    <message>
        <source>Main menu</source>
        <translation>القائمة الرئيسية</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>شريط الحالة</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>تلميح</translation>
    </message>
    <message>
        <source>Design and preview divider</source>
        <translation>فاصل التصميم والمعاينة</translation>
    </message>
    <message>
        <source>Objects and properties divider</source>
        <translation>فاصل الكائنات والخصائص</translation>
    </message>
    <message>
        <source>Styles and properties divider</source>
        <translation>فاصل الأنماط والخصائص</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>معاينة</translation>
    </message>
    <message>
        <source>Quick help</source>
        <translation>تعليمات سريعة</translation>
    </message>
    <message>
        <source>Menu preview</source>
        <translation>معاينة القائمة</translation>
    </message>
    <message>
        <source>Tarvex.dat could not be read, so the built-in menus and toolbars are used; the file has been kept as %1.</source>
        <translation>تعذّرت قراءة Tarvex.dat، لذا تُستخدم القوائم وأشرطة الأدوات المضمّنة؛ وقد احتُفظ بالملف باسم %1.</translation>
    </message>
    <message>
        <source>Tarvex.dat could not be read, so the built-in menus and toolbars are used.</source>
        <translation>تعذّرت قراءة Tarvex.dat، لذا تُستخدم القوائم وأشرطة الأدوات المضمّنة.</translation>
    </message>
</context>
</TS>
